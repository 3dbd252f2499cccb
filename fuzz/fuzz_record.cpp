// Feeds arbitrary bytes to the parameter-file reader. Whatever it reads must
// write back to the same first 1,570 bytes, with a short input taken as the
// reader takes it: zeros, and blanks in the comment.

#include "files/ParameterRecord.h"
#include "files/Windows1252.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QByteArray asReaderSeesIt(const QByteArray& input) {
    QByteArray record = input.left(rv::RecordSize);
    if (record.size() < rv::RecordOffset::Comment) {
        record.append(rv::RecordOffset::Comment - record.size(), '\0');
    }
    record.append(rv::RecordSize - record.size(), ' ');
    return record;
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    rv::ParameterSet set;
    rv::decodeRecord(input, set);
    check(rv::encodeRecord(set) == asReaderSeesIt(input));

    // The same bytes as a comment box text (any UTF-16, lone surrogates
    // included) must always give a comment field of exactly 1,000 bytes.
    const QString text(reinterpret_cast<const QChar*>(data), static_cast<qsizetype>(size / 2));
    set.commentText = rv::commentFieldFromText(text);
    check(rv::Windows1252::encode(set.commentText).size() == rv::ParameterSet::CommentSize);
    check(rv::encodeRecord(set).size() == rv::RecordSize);
    return 0;
}
