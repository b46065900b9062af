#pragma once
// Tool window frmAL: the AL value and initial permeability of a ring core from a few turns
// wound on it and their measured inductance, with the core's effective dimensions.

#include <QWidget>

class QLabel;
class QLineEdit;

namespace kovolo::tools {

class FormFactorFrame;

class AlWindow : public QWidget {
    Q_OBJECT
public:
    explicit AlWindow(QWidget* parent = nullptr);

    FormFactorFrame* dimensions() const { return frame_; }
    QLabel* alLabel() const { return al_; } // lbAL

private slots:
    void calculate(); // Command1 "=>"
    void print();     // Command3 "&Drucken"

private:
    void resetFields(); // Form_Load

    QLabel* print_;
    QLineEdit* turns_;
    QLineEdit* inductance_;
    FormFactorFrame* frame_;
    QLabel* al_;
    QLabel* permeability_;
};

} // namespace kovolo::tools
