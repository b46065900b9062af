#pragma once
// Tab 6: a core that is in none of the catalogs, typed in as AL and three dimensions.

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

private:
    QLineEdit* al_;
    QLineEdit* da_;
    QLineEdit* di_;
    QLineEdit* h_;
};

} // namespace kovolo::catalogs
