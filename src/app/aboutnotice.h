#pragma once
// The distribution notice of the About window in the six languages, and the indent that lines
// up its later lines.

#include <string>
#include <string_view>
#include <vector>

namespace kovolo {

// The lines of the notice for a language code; the first line starts with the warning word
// ("Achtung:", "Attention!:", "Attention:", "Attenzione:", "Pozor!:"). Any unknown code gets
// the English notice.
std::vector<std::string> distributionNoticeLines(std::string_view languageCode);

// The notice as one text: its lines joined by lineBreak followed by indent.
std::string distributionNotice(std::string_view languageCode, const std::string& lineBreak,
                               const std::string& indent);

// Number of blanks of the indent: the width of "Attenzione: " divided by the width of one blank,
// both measured in the window's font, truncated. (A fixed 34 twips a blank fits one font only;
// in any other font the later lines would not line up under the text after the warning word.)
int noticeIndentBlanks(double warningWidth, double blankWidth);

} // namespace kovolo
