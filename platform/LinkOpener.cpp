#include "platform/LinkOpener.h"

#include <QHash>

LinkOpener::LinkOpener(IDesktop& desktop, IHtmlProgram& htmlProgram, IProcessLauncher& launcher)
    : m_desktop(desktop), m_htmlProgram(htmlProgram), m_launcher(launcher) {}

int LinkOpener::OpenLink(const QString& address) {
    if (m_desktop.openDocument(address))
        return linkresult::kOpened;
    const std::optional<QString> exec = m_htmlProgram.execLine();
    if (!exec)
        return linkresult::kNoAssociation;
    const QStringList command = htmlCommandFor(*exec, address);
    if (command.isEmpty())
        return linkresult::kNoAssociation;
    return m_launcher.startDetached(command.first(), command.mid(1)) ? linkresult::kOpened
                                                                     : linkresult::kFileNotFound;
}

namespace {

// Splits an Exec line into arguments: blanks separate them, double quotes group them and a
// backslash inside quotes takes the next character as it is.
QStringList execArguments(const QString& line) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar ch = line.at(i);
        if (quoted && ch == u'\\' && i + 1 < line.size()) {
            current += line.at(++i);
        } else if (ch == u'"') {
            quoted = !quoted;
            inArgument = true;
        } else if (!quoted && (ch == u' ' || ch == u'\t')) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            current += ch;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments << current;
    return arguments;
}

bool isAddressCode(QChar code) {
    return code == u'f' || code == u'F' || code == u'u' || code == u'U';
}

// Expands the field codes of one argument; the address goes in at most once in the line.
QString expandFieldCodes(const QString& argument, const QString& address, bool& addressUsed,
                         bool& onlyCodes) {
    QString out;
    onlyCodes = true;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        if (argument.at(i) != u'%' || i + 1 == argument.size()) {
            out += argument.at(i);
            onlyCodes = false;
            continue;
        }
        const QChar code = argument.at(++i);
        if (code == u'%') {
            out += u'%';
            onlyCodes = false;
        } else if (isAddressCode(code) && !addressUsed) {
            out += address;
            addressUsed = true;
            onlyCodes = false;
        }
    }
    return out;
}

} // namespace

QStringList htmlCommandFor(const QString& execLine, const QString& address) {
    const QStringList arguments = execArguments(execLine);
    if (arguments.isEmpty() || arguments.first().contains(u'%'))
        return {}; // the program itself must be named
    QStringList command;
    bool addressUsed = false;
    for (const QString& argument : arguments) {
        bool onlyCodes = false;
        const QString expanded = expandFieldCodes(argument, address, addressUsed, onlyCodes);
        if (!onlyCodes)
            command << expanded;
    }
    if (!addressUsed)
        command << address;
    return command;
}

QString linkErrorText(int code) {
    static const QHash<int, QString> texts{
        {0, QStringLiteral("The operating system is out\nof memory or resources.")},
        {2, QStringLiteral("The specified file was not found.")},
        {3, QStringLiteral("The specified path was not found.")},
        {5, QStringLiteral("The operating system denied\naccess to the specified file.")},
        {8, QStringLiteral("There was not enough memory to complete the operation.")},
        {11, QStringLiteral("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).")},
        {26, QStringLiteral("A sharing violation occurred. ")},
        {27, QStringLiteral("The filename association is\nincomplete or invalid.")},
        {28, QStringLiteral("The DDE transaction could not\nbe completed because the request "
                            "timed out.")},
        {29, QStringLiteral("The DDE transaction failed.")},
        {30, QStringLiteral("The DDE transaction could not\nbe completed because other DDE "
                            "transactions\nwere being processed.")},
        {31, QStringLiteral("There is no application associated\nwith the given filename "
                            "extension.")},
        {32, QStringLiteral("The specified dynamic-link library was not found.")},
    };
    const QString text =
        texts.value(code, QStringLiteral("Unknown Error (%1) occurred.").arg(code));
    return QStringLiteral("Unable to open hyperlink:\n\n") + text;
}
