#pragma once
// The frame "Magnetische Formkenngrößen berechnen" that both AL tool windows carry: the core's
// dimensions in millimetres and its effective cross-section, path length and form factor.

#include <QGroupBox>

#include <string>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kovolo::tools {

// A capital sigma drawn as text, so that it stays sharp at any size and on paper.
class SigmaPicture : public QWidget {
    Q_OBJECT
public:
    explicit SigmaPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont sigmaFont() const;
};

class FormFactorFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit FormFactorFrame(QWidget* parent = nullptr);

    QLineEdit* daField() const { return da_; }           // txtDa
    QLineEdit* diField() const { return di_; }           // txtDi
    QLineEdit* hField() const { return h_; }             // txtH
    QLineEdit* coatingField() const { return coating_; } // txtBesch

    // The four fields' texts as the calculations read them.
    struct Texts {
        std::string da;
        std::string di;
        std::string h;
        std::string coating;
    };
    Texts texts() const;

    // Da, Di and h empty, the coating "0.00" in the display's decimal separator, results empty.
    void resetFields();
    void showResults(const QString& ae, const QString& le, const QString& leAe);

private:
    QLineEdit* da_;
    QLineEdit* di_;
    QLineEdit* h_;
    QLineEdit* coating_;
    QLabel* ae_;
    QLabel* le_;
    QLabel* leAe_;
};

// The row under the frame in both AL windows: "=>" (Command1), "AL =", lbAL and "nH/N²".
struct AlResultRow {
    QHBoxLayout* row;
    QPushButton* go;
    QLabel* al;
};
AlResultRow alResultRow(QWidget* window);

} // namespace kovolo::tools
