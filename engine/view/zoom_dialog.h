#pragma once
// The Zoom dialog: fixed ratios, fit the selection, the page or its width, or a custom
// percentage from 10 to 1000. It opens with 100% chosen.

#include <QDialog>
#include <QList>

class QRadioButton;
class QSpinBox;

class CZoomDlg : public QDialog {
    Q_OBJECT

public:
    enum Choice {
        Zoom400 = 0,
        Zoom200,
        Zoom100,
        Zoom75,
        Zoom50,
        Zoom25,
        FitSelection,
        FitPage,
        FitWidth,
        Custom,
        ChoiceCount
    };
    static constexpr int kLowestPercent = 10;
    static constexpr int kHighestPercent = 1000;

    explicit CZoomDlg(QWidget* parent = nullptr);

    Choice GetChoice() const;
    void SetChoice(Choice choice);
    int GetPercent() const;
    void SetPercent(int percent);

    // The ratio a fixed choice or the custom percentage stands for; FitWidth scales the current
    // ratio so that the page's width fills the client width (both in document units). Fitting
    // the selection or the page is the view's work: they answer the current ratio.
    static float TargetRatio(Choice choice, int percent, float currentRatio,
                             double clientWidthInUnits, int pageWidth);

private:
    QList<QRadioButton*> m_Choices;
    QSpinBox* m_pPercent;
};
