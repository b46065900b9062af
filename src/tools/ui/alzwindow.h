#pragma once
// Tool window frmALZ: the AL value of a ring core from its material's permeability and its
// dimensions, with the core's effective dimensions.

#include <QWidget>

class QLabel;
class QLineEdit;

namespace kovolo::tools {

class FormFactorFrame;

class AlzWindow : public QWidget {
    Q_OBJECT
public:
    explicit AlzWindow(QWidget* parent = nullptr);

    FormFactorFrame* dimensions() const { return frame_; }
    QLabel* alLabel() const { return al_; } // lbAL

private slots:
    void calculate(); // Command1 "=>"
    void print();     // Command3 "&Drucken"

private:
    void resetFields(); // Form_Load

    QLabel* print_;
    QLineEdit* permeability_;
    FormFactorFrame* frame_;
    QLabel* al_;
};

} // namespace kovolo::tools
