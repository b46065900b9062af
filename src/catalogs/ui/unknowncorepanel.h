#pragma once
// Tab 6: a core that is in none of the catalogs, typed in as AL and three dimensions.

#include "catalogs/ui/coresource.h"

#include <QWidget>

class QLineEdit;

namespace kovolo::catalogs {

class UnknownCorePanel : public QWidget {
    Q_OBJECT
public:
    explicit UnknownCorePanel(QWidget* parent = nullptr);

    QLineEdit* alField() const { return al_; } // nH/N²
    QLineEdit* daField() const { return da_; } // mm
    QLineEdit* diField() const { return di_; }
    QLineEdit* hField() const { return h_; }

    // The tool windows the copy buttons read, in the order they are asked.
    void setCoreSources(CoreSources sources) { sources_ = std::move(sources); }

public slots:
    // Command1: the AL value of the first source that shows one.
    void copyAl();
    // Command2: Da, Di and h, each from the first source whose field holds it.
    void copyDimensions();

private:
    CoreSources sources_;
    QLineEdit* al_;
    QLineEdit* da_;
    QLineEdit* di_;
    QLineEdit* h_;
};

} // namespace kovolo::catalogs
