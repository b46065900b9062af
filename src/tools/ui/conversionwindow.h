#pragma once
// The tool window `frmUmrechnung`: lengths between imperial and metric units, wire gauge to
// diameter, and temperatures between °F and °C.

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kovolo::tools {

class ConversionWindow : public QWidget {
    Q_OBJECT
public:
    explicit ConversionWindow(QWidget* parent = nullptr);

    void convertImperialToMetric(); // Command1
    void convertMetricToImperial(); // Command2
    void convertGauge();            // Command3
    void convertTemperature();      // Command4 "<=>"

    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void printWindow();

private:
    void formLoad();

    QLineEdit* text1_;
    QLineEdit* text2_;
    QLineEdit* text3_;
    QLineEdit* text4_;
    QComboBox* combo1_;
    QComboBox* combo2_;
    QComboBox* combo3_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    QLabel* label4_;
    QLabel* label7_;
    QLabel* label9_;
    QLabel* label12_;
};

} // namespace kovolo::tools
