#pragma once
// The application frame `fraAnwendung`: the check of the winding in use at a working frequency
// and voltage (reactance, maximum and actual flux density, core loss, temperature rise). The
// frequency is also read by the reactance of the inductance-from-turns frame.

#include "toroid/application.h"

#include <QGroupBox>

class QComboBox;
class QLabel;
class QLineEdit;

namespace kovolo::toroid {

class ToroidContext;
class TurnsFrame;

class ApplicationFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit ApplicationFrame(ToroidContext& context, QWidget* parent = nullptr);

    // The turns frame supplies the wanted inductance and the number of turns.
    void setTurnsFrame(const TurnsFrame* turns) { turns_ = turns; }

    // CommandAnwendung2: the full check on the FT ferrite and iron-powder tabs, the reactance on
    // the other core tabs, nothing on the air-coil tab. Never shows a message: a failing step is
    // skipped.
    void calculate();

    // Working frequency in hertz: Text7 times the factor of ComboFreq (an empty field gives 0).
    double frequencyHz() const;
    QLineEdit* frequencyField() const { return text7_; }

    // The frame and its labels Label68 and Label69 together.
    void setCheckEnabled(bool enabled);
    // The voltage entry and the flux, loss and temperature results exist for the FT ferrite
    // and iron-powder tabs only.
    void setFullCheckVisible(bool visible);

private:
    CheckInputs readInputs(int tab) const;
    void apply(const CheckResult& result);
    // Combo3 and Combo4: the stored value in the newly chosen unit.
    void maxFluxUnitChanged();
    void fluxUnitChanged();
    // Lets pending events run; false when the frame is gone or a newer change of the same list
    // took over (`run` counts that list's changes).
    bool letPendingEventsRun(int& run);

    ToroidContext& context_;
    const TurnsFrame* turns_ = nullptr;
    QLineEdit* text7_;
    QComboBox* comboFreq_;
    QLineEdit* text8_;
    QComboBox* combo3_;
    QComboBox* combo4_;
    QLabel* label65_;
    QLabel* label70_;
    QLabel* label71_;
    QLabel* label73_;
    QLabel* label75_;
    QLabel* label78_;
    StoredFlux stored_;
    // Whether the last check showed a number in Label70 / Label71: a "XXX" it wrote stays when
    // the unit changes.
    bool maxFluxShown_ = true;
    bool fluxShown_ = true;
    int maxFluxUnitRun_ = 0;
    int fluxUnitRun_ = 0;
};

} // namespace kovolo::toroid
