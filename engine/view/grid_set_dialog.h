#pragma once
// The "Grid Setting" dialog: the grid size (4 to 40 document units), the style of its marks
// and its colour.

#include <QDialog>

#include "platform/win_types.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class CGridSetDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kSmallestSize = 4;
    static constexpr int kLargestSize = 40;

    explicit CGridSetDlg(QWidget* parent = nullptr);

    void SetValues(int size, int style, DWORD color);
    int GetGridSize() const;
    int GetGridStyle() const;
    DWORD GetGridColor() const { return m_dwColor; }
    // Grid sizes the dialog accepts.
    static bool IsAcceptableSize(int size);

public Q_SLOTS:
    // Refuses (with a word why) a size outside 4 to 40.
    void accept() override;

private:
    void ShowColor();

    QSpinBox* m_pSize;
    QComboBox* m_pStyle;
    QPushButton* m_pColor;
    QLabel* m_pProblem;
    DWORD m_dwColor = 0xFFC0C0C0u;
};
