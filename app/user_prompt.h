#pragma once
// The questions and messages the main window puts to the person using it: the unsaved-changes
// question, the file dialogs and the one message of a failure. Tests put a scripted prompt in
// its place.

#include <QString>

class QWidget;

class CUserPrompt {
public:
    enum SaveAnswer { Save, Discard, Cancel };

    virtual ~CUserPrompt() = default;

    // "Save changes to NAME?" with Save, Discard and Cancel.
    virtual SaveAnswer AskSaveChanges(QWidget* parent, const QString& name);
    // The native file dialogs; an empty answer means the person cancelled.
    virtual QString AskOpenFileName(QWidget* parent, const QString& filter);
    virtual QString AskSaveFileName(QWidget* parent, const QString& suggested,
                                    const QString& filter);
    // One message box for a failure.
    virtual void ShowError(QWidget* parent, const QString& text);

    static QString SaveQuestion(const QString& name);
};
