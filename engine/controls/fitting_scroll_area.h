#pragma once
// A scroll area that asks for all the room its content wants, but never more than the screen
// has: a tall dialog on a small screen (or at a large scale factor) scrolls its content and
// keeps its buttons in view instead of running off the screen.

#include <QScrollArea>

class CQarnFittingScrollArea : public QScrollArea {
    Q_OBJECT

public:
    // Takes the content over.
    explicit CQarnFittingScrollArea(QWidget* content, QWidget* parent = nullptr);

    QSize sizeHint() const override;

    // Room kept free on the screen beside the area: the window frame, the title and a row
    // of buttons.
    static constexpr int kReservedWidth = 48;
    static constexpr int kReservedHeight = 160;
};
