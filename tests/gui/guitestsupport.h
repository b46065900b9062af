#pragma once
// Pieces the GUI tests share: finding a control by its name, and the fixture of the catalog tab
// tests, which drive a panel on its own or on the real main window.

#include "app/globals.h"
#include "app/ui/mainwindow.h"
#include "i18n/ui/language.h"
#include "numbers/format.h"

#include <QComboBox>
#include <QLabel>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace guitest {

// The control `name` below root; a missing control stops the test program.
template <class T = QWidget> T* childNamed(const QObject* root, const char* name)
{
    T* child = root->findChild<T*>(QString::fromUtf8(name));
    if (child == nullptr)
        qFatal("no control %s", name);
    return child;
}

// A catalog tab: its panel alone, or (after openMainWindow) the main window showing it. The test
// class calls setUpSettings() in initTestCase, startPanel() in init and tearDown() in cleanup.
template <class Panel> class CatalogPanelFixture {
protected:
    CatalogPanelFixture(const char* typeList, const char* materialList, int tab)
        : typeList_(typeList), materialList_(materialList), tab_(tab)
    {
    }

    QTemporaryDir settingsDir;
    std::unique_ptr<Panel> panel;
    std::unique_ptr<kovolo::MainWindow> window;

    QWidget* root() const
    {
        return window ? static_cast<QWidget*>(window.get()) : static_cast<QWidget*>(panel.get());
    }
    template <class T = QLabel> T* get(const char* name) const
    {
        return childNamed<T>(root(), name);
    }
    QString text(const char* label) const { return get<QLabel>(label)->text(); }
    QComboBox* types() const { return get<QComboBox>(typeList_); }
    QComboBox* materials() const { return get<QComboBox>(materialList_); }
    void select(const QString& type, const QString& material)
    {
        types()->setCurrentIndex(types()->findText(type));
        materials()->setCurrentIndex(materials()->findText(material));
        QCOMPARE(types()->currentText(), type);
        QCOMPARE(materials()->currentText(), material);
    }
    void openMainWindow()
    {
        panel.reset();
        window = std::make_unique<kovolo::MainWindow>();
        window->selectTab(tab_);
    }

    void setUpSettings()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }
    void startPanel()
    {
        kovolo::resetGlobals();
        kovolo::numbers::setDisplayDecimalSeparator(".");
        panel = std::make_unique<Panel>();
    }
    void tearDown()
    {
        window.reset();
        panel.reset();
        kovolo::i18n::setApplicationTextProvider({});
        kovolo::resetGlobals();
    }

private:
    const char* typeList_;
    const char* materialList_;
    int tab_;
};

} // namespace guitest
