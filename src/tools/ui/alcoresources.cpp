#include "tools/ui/alcoresources.h"

#include "tools/ui/alwindow.h"
#include "tools/ui/alzwindow.h"
#include "tools/ui/formfactorframe.h"
#include "tools/ui/toolwindow.h"

#include <QLabel>
#include <QLineEdit>

namespace kovolo::tools {

namespace {

template <class Window> catalogs::CoreSource sourceOf()
{
    return []() -> std::optional<catalogs::CoreTexts> {
        const Window* window = existingToolWindow<Window>();
        if (window == nullptr)
            return std::nullopt;
        const FormFactorFrame* frame = window->dimensions();
        return catalogs::CoreTexts{window->alLabel()->text(), frame->daField()->text(),
                                   frame->diField()->text(), frame->hField()->text()};
    };
}

} // namespace

catalogs::CoreSources alToolCoreSources()
{
    return {sourceOf<AlWindow>(), sourceOf<AlzWindow>()};
}

} // namespace kovolo::tools
