#pragma once
// What the layer dialog asks of the view it belongs to for the edits it does not send as
// messages: renaming a layer, toggling its flags and making it the current one. The view
// records each as its layer action; adding, deleting and moving layers go to the dialog's
// owner as QARN_WM_ADD_LAYER, QARN_WM_DEL_LAYER and QARN_WM_MOVE_LAYER.

#include <QString>

#include "platform/win_types.h"

class CQarnLayer;

class CQarnLayerEditor {
public:
    virtual ~CQarnLayerEditor() = default;

    virtual void RenameLayer(CQarnLayer* layer, const QString& name) = 0;
    // Toggles the flag bits of the mask (CQarnLayer::Visible, Selectable, Locked).
    virtual void ToggleLayerFlags(CQarnLayer* layer, BYTE mask) = 0;
    virtual void SelectLayer(CQarnLayer* layer) = 0;
};
