#pragma once
// A device context: the painter of whatever is being drawn on (a window, an image, a
// printer page), with the printing switch the drawing code asks about.

#include "platform/win_types.h"

class QPainter;

class CDC {
public:
    explicit CDC(QPainter* painter = nullptr) : painter_(painter) {}

    QPainter* GetPainter() const { return painter_; }
    void Attach(QPainter* painter) { painter_ = painter; }
    QPainter* Detach() {
        QPainter* painter = painter_;
        painter_ = nullptr;
        return painter;
    }
    BOOL IsPrinting() const { return printing_ ? TRUE : FALSE; }
    void SetPrinting(bool printing) { printing_ = printing; }

private:
    QPainter* painter_;
    bool printing_ = false;
};
