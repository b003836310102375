#pragma once
// The window a drop-down well opens below itself. Closing it by clicking elsewhere counts as
// giving up the choice.

#include <QFrame>
#include <functional>

class CQarnWellPopup : public QFrame {
public:
    // `onClosedByUser` runs when the window closes without the well closing it.
    CQarnWellPopup(QWidget* well, std::function<void()> onClosedByUser);

    // Places the window below the well (above it when the screen has no room below).
    void ShowBelow(QWidget* well);
    // The well closes the window itself: no "closed by the user".
    void CloseQuietly();

protected:
    void hideEvent(QHideEvent* event) override;

private:
    std::function<void()> m_OnClosedByUser;
    bool m_bQuiet = false;
};
