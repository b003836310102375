#pragma once
// A well: a compact button that shows the current choice (a colour, a line, an arrow head)
// and opens a drop-down of choices below itself. It works from the keyboard like a drop-down
// list: Space, Enter, F4 or Alt+Down open it, the arrow keys step through the choices while
// it is closed. It tells its owner (the parent window unless another is given) about the
// user's doing with the well messages, wParam being the control id and lParam the value:
//   WELL_DROPDOWN       the drop-down opened;
//   WELL_SELCHANGED     the value changed by the user's hand;
//   WELL_SELENDOK       the drop-down closed with a choice taken;
//   WELL_SELENDCANCEL   the drop-down closed without one (Escape, a click elsewhere);
//   WELL_CLOSEUP        the drop-down closed (after either of the two above).

#include <QPointer>
#include <QWidget>

#include "platform/win_types.h"

class CQarnWellPopup;

class CQarnWell : public QWidget {
    Q_OBJECT

public:
    CQarnWell(const QString& name, QWidget* parent);
    ~CQarnWell() override;

    // Who hears the well messages (not owned); null: the parent.
    void SetOwner(QObject* owner) { m_pOwner = owner; }
    QObject* GetOwner() const;
    void SetControlID(int id) { m_nControlId = id; }
    int GetControlID() const { return m_nControlId; }

    void ShowDropDown();
    bool IsDroppedDown() const { return m_pPopup != nullptr; }
    // Closes the drop-down as the user would: taking its choice, or giving up.
    void CloseDropDown(bool take);
    // The drop-down window while it is open.
    QWidget* GetDropDown() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // The value changed by the user's hand.
    void ValueChanged();

protected:
    // The choices shown in the drop-down; it should call CloseDropDown when the user takes a
    // choice or gives up.
    virtual QWidget* CreateDropDownContent(QWidget* parent) = 0;
    // The widget of the content that takes the focus when the drop-down opens.
    virtual QWidget* GetDropDownFocus() const = 0;
    // Takes the content's choice as the value; true when the value changed.
    virtual bool TakeDropDownChoice() = 0;
    // The drop-down is about to go.
    virtual void OnDropDownClosed() {}
    // Draws the current value into the well's field.
    virtual void PaintValue(QPainter& painter, const QRect& field) const = 0;
    // The room the value needs, in device-independent pixels.
    virtual QSize GetValueSize() const { return QSize(64, 18); }
    // The arrow keys on the closed well; true when the value changed.
    virtual bool StepValue(int delta) = 0;
    // The lParam of the well messages.
    virtual LPARAM GetMessageValue() const = 0;
    // The user changed the value: the owner hears WELL_SELCHANGED, listeners ValueChanged.
    virtual void OnUserChange();

    void SendToOwner(UINT message);
    // Hides the drop-down window while the well stays dropped down (a dialog opened from it);
    // CloseDropDown settles the choice later.
    void HideDropDownWindow();

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The drop-down window (a CQarnWellPopup) while open.
    QPointer<QWidget> m_pPopup;
    CQarnWellPopup* Popup() const;
    QObject* m_pOwner = nullptr;
    int m_nControlId = 0;
};
