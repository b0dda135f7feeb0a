#pragma once
// The core speaks UTF-8 std::string; Qt speaks QString. Label texts separate
// their lines with CR LF in the chart and with a plain line feed in Qt's editors.

#include <QString>

#include <string>

namespace loopora::app {

inline QString qs(const std::string& utf8) { return QString::fromStdString(utf8); }
inline QString qs(std::string_view utf8) { return QString::fromUtf8(utf8.data(), qsizetype(utf8.size())); }
inline QString qs(const char* utf8) { return QString::fromUtf8(utf8); }
inline std::string utf8(const QString& text) { return text.toStdString(); }

inline QString fromChartLines(const std::string& text)
{
    QString out = qs(text);
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return out;
}

inline std::string toChartLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return utf8(text);
}

} // namespace loopora::app
