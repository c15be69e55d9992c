#include "platform/window/Mnemonic.h"

#include "platform/detail/QtValues.h"

char32_t MnemonicOf(std::string_view text) {
    const QString s = qt_detail::Qs(text);
    for (qsizetype i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != u'&') continue;
        if (s[i + 1] == u'&') {
            ++i; // a doubled pair is skipped as a whole
            continue;
        }
        const QString letter = s.mid(i + 1, s[i + 1].isHighSurrogate() ? 2 : 1).toUpper();
        return letter.toUcs4().value(0);
    }
    return 0;
}
