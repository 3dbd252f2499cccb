#pragma once

#include <QTranslator>

#include <span>

namespace rv {

// The program's own messages (error details, the value editor's replies, the
// port tooltip) in German and French. They are written in English in the
// code with tr(); this translator answers for them from a table in the code,
// so no translation files need to be built or installed.
class ProgramTranslator : public QTranslator {
public:
    // language: 0 German, 2 French; any other leaves every text in English.
    explicit ProgramTranslator(int language, QObject* parent = nullptr);

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override;

    // Every English text the table knows, to check that none is missing.
    static QStringList sourceTexts();

private:
    struct Translation {
        const char* english;
        const char* german;
        const char* french;
    };
    // The table itself, in a file of its own.
    static std::span<const Translation> table();

    int language_;
};

} // namespace rv
