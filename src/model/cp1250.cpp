#include "cp1250.h"

#include <QList>

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {

// RAII holder for one conversion descriptor.
class Converter
{
public:
    Converter(const char *to, const char *from)
        : cd_(iconv_open(to, from))
    {
    }
    ~Converter()
    {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

QString cuSedila(QString text)
{
    for (QChar &c : text) {
        switch (c.unicode()) {
        case 0x0218:
            c = QChar(0x015E);
            break;
        case 0x0219:
            c = QChar(0x015F);
            break;
        case 0x021A:
            c = QChar(0x0162);
            break;
        case 0x021B:
            c = QChar(0x0163);
            break;
        default:
            break;
        }
    }
    return text;
}

} // namespace

namespace Cp1250 {

std::optional<QByteArray> encode(const QString &text, QString *badChar)
{
    Converter conv("WINDOWS-1250", "UTF-8");
    if (!conv.valid())
        return std::nullopt;
    const QByteArray utf8 = cuSedila(text).toUtf8();
    // One byte out per character in: the output never outgrows the input.
    QByteArray out(utf8.size() + 1, '\0');
    char *in = const_cast<char *>(utf8.constData());
    size_t inLeft = size_t(utf8.size());
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());
    const size_t r = iconv(conv.get(), &in, &inLeft, &outPtr, &outLeft);
    if (r == size_t(-1) || inLeft != 0) {
        if (badChar) {
            // The input stops at the character that could not be converted.
            const QString rest = QString::fromUtf8(in, qsizetype(inLeft));
            *badChar = rest.isEmpty() ? QString() : rest.left(rest.at(0).isHighSurrogate() ? 2 : 1);
        }
        return std::nullopt;
    }
    out.truncate(out.size() - qsizetype(outLeft));
    return out;
}

QString decode(const QByteArray &bytes)
{
    Converter conv("UTF-8", "WINDOWS-1250");
    if (!conv.valid())
        return QString::fromLatin1(bytes);
    QString result;
    result.reserve(bytes.size());
    for (char byte : bytes) {
        char inBuf[1] = {byte};
        char *in = inBuf;
        size_t inLeft = 1;
        char outBuf[8];
        char *outPtr = outBuf;
        size_t outLeft = sizeof outBuf;
        const size_t r = iconv(conv.get(), &in, &inLeft, &outPtr, &outLeft);
        if (r == size_t(-1)) {
            iconv(conv.get(), nullptr, nullptr, nullptr, nullptr);
            result.append(QChar(0xFFFD));
        } else {
            result.append(QString::fromUtf8(outBuf, int(sizeof outBuf - outLeft)));
        }
    }
    return result;
}

bool canEncode(const QString &text)
{
    return encode(text).has_value();
}

} // namespace Cp1250
