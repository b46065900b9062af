#pragma once
// The frame `Frame3`: self-inductance of a straight conductor, its diameter typed in
// millimetres (metric) or picked as a wire gauge (imperial).

#include <QGroupBox>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kovolo::aircoil {

class StraightConductorFrame : public QGroupBox {
    Q_OBJECT
public:
    explicit StraightConductorFrame(std::function<void(const QString&)> setHint,
                                    QWidget* parent = nullptr);

    // Command_Ldr_Luft: the inductance in pH, nH or µH; empties the hint line.
    void calculate();

private:
    // Click of either option button: clears the result, recomputes when both fields hold text.
    void onSkinEffectClicked();

    std::function<void(const QString&)> setHint_;
    QLineEdit* diameter_;
    QComboBox* gauge_;
    QLineEdit* length_;
    QRadioButton* withSkin_;
    QRadioButton* withoutSkin_;
    QLabel* inductance_;
    QLabel* unit_;
};

} // namespace kovolo::aircoil
