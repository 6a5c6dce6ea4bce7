#include "ProjectFile.h"

#include "MessageText.h"
#include "Project.h"

#include <QRegularExpression>

namespace {

bool isLineEnd(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// Moves past one line end: CR LF, or a lone CR or LF.
qsizetype skipLineEnd(const QString& text, qsizetype at)
{
    if (at < text.size() && text[at] == u'\r')
        ++at;
    else if (at < text.size() && text[at] == u'\n')
        return at + 1;
    if (at < text.size() && text[at] == u'\n')
        ++at;
    return at;
}

// The value as its line must stand so that it reads back equal: unchanged where it does,
// between double quotes where they bring it back; nothing when neither does. Each line is read
// alone, which is how the reader takes it, since the file ends with a line end.
std::optional<QString> projectFileLine(const QString& value)
{
    const auto readsBack = [&value](const QString& line) {
        return readProjectValues(line + QStringLiteral("\r\n")) == QStringList{value};
    };
    if (readsBack(value))
        return value;
    if (QString quoted = u'"' + value + u'"'; readsBack(quoted))
        return quoted;
    return std::nullopt;
}

QString fieldName(qsizetype line)
{
    switch (line) {
    case 0:
        return QStringLiteral("Project Name");
    case 1:
        return QStringLiteral("Output App Name");
    case 2:
        return QStringLiteral("Output Path");
    default:
        return QStringLiteral("project file %1").arg(line - 2);
    }
}

} // namespace

QStringList readProjectValues(const QString& text)
{
    QStringList values;
    const qsizetype size = text.size();
    qsizetype at = 0;
    while (at < size) {
        const bool lineStart = at == 0 || isLineEnd(text[at - 1]);
        while (at < size && (text[at] == u' ' || text[at] == u'\t'))
            ++at;
        if (at == size && lineStart)
            break; // blanks after the last line end are no value
        QString value;
        if (at < size && text[at] == u'"') {
            const qsizetype start = at + 1;
            at = start;
            while (at < size && text[at] != u'"' && !isLineEnd(text[at]))
                ++at;
            value = text.mid(start, at - start);
            while (at < size && text[at] != u',' && !isLineEnd(text[at]))
                ++at;
        } else {
            const qsizetype start = at;
            while (at < size && text[at] != u',' && !isLineEnd(text[at]))
                ++at;
            value = text.mid(start, at - start);
        }
        values.append(value);
        if (at < size && text[at] == u',') {
            ++at;
            // A comma at the very end of the text still separates a last, empty value.
            if (at == size)
                values.append(QString());
        } else {
            at = skipLineEnd(text, at);
        }
    }
    return values;
}

std::optional<bool> readProjectBoolean(const QString& value)
{
    const QString word = value.trimmed();
    if (word.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    // Possessive, so that a long run of digits followed by something else fails at once rather
    // than by trying every split of the digits.
    static const QRegularExpression number(
        QStringLiteral(R"(^[+-]?(\d++(\.\d*+)?|\.\d++)([eE][+-]?\d++)?$)"));
    if (!number.match(word).hasMatch())
        return std::nullopt;
    return word.toDouble() != 0.0;
}

Result<ProjectFileContent> parseProjectFile(const QString& text)
{
    const QStringList values = readProjectValues(text);
    if (values.size() < 5)
        return Failure{
            QStringLiteral("it holds %1 of the five settings a project file starts with.")
                .arg(values.size())};
    std::optional<bool> options[2];
    for (int i : {0, 1}) {
        options[i] = readProjectBoolean(values[3 + i]);
        if (!options[i])
            return Failure{QStringLiteral("its %1 value, %2, is neither True, False nor a number.")
                               .arg(i == 0 ? QStringLiteral("fourth") : QStringLiteral("fifth"),
                                    quotedForMessage(values[3 + i]))};
    }
    return ProjectFileContent{values[0],   values[1],   values[2],
                              *options[0], *options[1], values.mid(5)};
}

Result<QStringList> projectFileLines(const Project& project)
{
    const auto word = [](bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); };
    const QStringList values =
        QStringList{project.ProjectName(), project.OutputAppName(), project.ProjectFolder()} +
        project.Files();
    QStringList lines;
    for (qsizetype i = 0; i < values.size(); ++i) {
        std::optional<QString> line = projectFileLine(values[i]);
        if (!line) {
            const QString reason =
                values[i].contains(u'\r') || values[i].contains(u'\n')
                    ? QStringLiteral("holds a line break, which a project file cannot keep.")
                    : QStringLiteral("needs double quotes around it, for a comma or a blank or "
                                     "double quote at its start, and a double quote inside them "
                                     "would end them.");
            return Failure{fieldName(i) + u' ' + quotedForMessage(values[i]) + u' ' + reason};
        }
        lines.append(*std::move(line));
        if (i == 2)
            lines << word(project.UseRootInfFile()) << word(project.CreateRootInfWithWizard());
    }
    return lines;
}

void applyProjectFile(Project& project, const ProjectFileContent& content)
{
    project.setFiles(content.Files);
    project.setProjectName(content.ProjectName);
    project.setOutputAppName(content.OutputAppName);
    project.setProjectFolder(content.ProjectFolder);
    project.setUseRootInfFile(content.UseRootInfFile);
    project.setCreateRootInfWithWizard(content.CreateRootInfWithWizard);
}
