#pragma once
// Start-up of the drawing library and the choice of the module its resources come from.

class CResourceModule;

// Makes the library's resources and runtime classes available to the calling program and
// creates the undo manager (gUndoManager). Called once by a client before it reads the
// configuration; calling it again does nothing but bring back an undo manager deleted since.
void QarnDllInitialize();
bool QarnDllIsInitialized();
// At exit: deletes the undo manager and with it every recorded action.
void QarnDllUninitialize();

// The module from which the library's resources are taken; null restores the library's own.
// A client may so supply translated texts.
void QARNSetResourceHandle(CResourceModule* module);
CResourceModule* QarnGetResourceHandle();
// The library's own module with its built-in texts.
CResourceModule* QarnGetOwnResourceModule();
