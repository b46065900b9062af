#pragma once
// The tool window `frmRCu`: DC resistance of a copper wire from its length, its diameter (wire
// gauge in imperial mode) and its temperature. It follows the unit system while it is open.

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kovolo::tools {

class CopperResistanceWindow : public QWidget {
    Q_OBJECT
public:
    explicit CopperResistanceWindow(QWidget* parent = nullptr);
    ~CopperResistanceWindow() override;

    // Command1 "=>": the resistance in Label3, the temperature warning in Label12.
    void calculate();
    // Lays the window out for a unit system: length units, diameter field or gauge list.
    void applyUnitSystem(bool imperial);
    bool showsImperial() const { return imperial_; }

private slots:
    void printWindow();

private:
    void formLoad();

    QLineEdit* text1_;
    QLineEdit* text2_;
    QLineEdit* text3_;
    QComboBox* combo1_;
    QComboBox* combo2_;
    QLabel* label1_;
    QLabel* label2_;
    QLabel* label3_;
    QLabel* label12_;
    bool imperial_ = false;
    int unitListener_ = 0;
};

} // namespace kovolo::tools
