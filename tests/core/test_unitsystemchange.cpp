// The listeners told about a unit-system switch: order, removal, removal while running, and a
// failing listener that does not stop the others.

#include "app/unitsystemchange.h"

#include <QtTest>

#include <stdexcept>
#include <string>

using namespace kovolo;

class TestUnitSystemChange : public QObject {
    Q_OBJECT
private slots:
    void listenersAreToldInOrder()
    {
        std::string calls;
        const int a = addUnitSystemListener([&](bool imperial) { calls += imperial ? "A" : "a"; });
        const int b = addUnitSystemListener([&](bool imperial) { calls += imperial ? "B" : "b"; });
        notifyUnitSystemChanged(true);
        notifyUnitSystemChanged(false);
        QCOMPARE(calls, std::string("ABab"));
        removeUnitSystemListener(a);
        notifyUnitSystemChanged(true);
        QCOMPARE(calls, std::string("ABabB"));
        removeUnitSystemListener(b);
        notifyUnitSystemChanged(true);
        QCOMPARE(calls, std::string("ABabB"));
    }

    void removalWhileRunningAndFailures()
    {
        std::string calls;
        int second = 0;
        const int first = addUnitSystemListener([&](bool) {
            calls += "1";
            removeUnitSystemListener(second); // a window closed by the first one
        });
        second = addUnitSystemListener([&](bool) { calls += "2"; });
        const int failing = addUnitSystemListener([&](bool) {
            calls += "3";
            throw std::runtime_error("failed");
        });
        const int last = addUnitSystemListener([&](bool) { calls += "4"; });
        notifyUnitSystemChanged(true);
        QCOMPARE(calls, std::string("134"));
        for (const int handle : {first, failing, last})
            removeUnitSystemListener(handle);
    }
};

QTEST_APPLESS_MAIN(TestUnitSystemChange)
#include "test_unitsystemchange.moc"
