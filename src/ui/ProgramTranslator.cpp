#include "ui/ProgramTranslator.h"

#include <cstring>

namespace rv {

ProgramTranslator::ProgramTranslator(int language, QObject* parent)
    : QTranslator(parent), language_(language) {}

QString ProgramTranslator::translate(const char*, const char* sourceText, const char*, int) const {
    if (sourceText == nullptr || (language_ != 0 && language_ != 2)) {
        return {};
    }
    for (const Translation& entry : table()) {
        if (std::strcmp(entry.english, sourceText) == 0) {
            return QString::fromUtf8(language_ == 0 ? entry.german : entry.french);
        }
    }
    return {}; // not one of ours: Qt asks the next translator
}

bool ProgramTranslator::isEmpty() const {
    return false;
}

QStringList ProgramTranslator::sourceTexts() {
    QStringList texts;
    for (const Translation& entry : table()) {
        texts << QString::fromUtf8(entry.english);
    }
    return texts;
}

} // namespace rv
