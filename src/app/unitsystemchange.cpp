#include "app/unitsystemchange.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace kovolo {

namespace {

struct Entry {
    int handle;
    UnitSystemListener listener;
};

std::vector<Entry>& listeners()
{
    static std::vector<Entry> entries;
    return entries;
}

bool isRegistered(int handle)
{
    const auto& entries = listeners();
    return std::any_of(entries.begin(), entries.end(),
                       [handle](const Entry& e) { return e.handle == handle; });
}

} // namespace

int addUnitSystemListener(UnitSystemListener listener)
{
    static int nextHandle = 0;
    const int handle = ++nextHandle;
    listeners().push_back({handle, std::move(listener)});
    return handle;
}

void removeUnitSystemListener(int handle)
{
    auto& entries = listeners();
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [handle](const Entry& e) { return e.handle == handle; }),
                  entries.end());
}

void notifyUnitSystemChanged(bool imperial)
{
    // A copy: listeners may unregister while they run.
    const std::vector<Entry> current = listeners();
    for (const Entry& entry : current) {
        if (!isRegistered(entry.handle))
            continue;
        try {
            entry.listener(imperial);
        } catch (...) {
        }
    }
}

} // namespace kovolo
