#include "project/ProjectFile.h"

#include "project/Project.h"

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
    static const QRegularExpression number(
        QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    if (!number.match(word).hasMatch())
        return std::nullopt;
    return word.toDouble() != 0.0;
}

std::optional<ProjectFileContent> parseProjectFile(const QString& text, QString* problem)
{
    const QStringList values = readProjectValues(text);
    if (values.size() < 5) {
        *problem = QStringLiteral("it holds %1 of the five settings a project file starts with.")
                       .arg(values.size());
        return std::nullopt;
    }
    std::optional<bool> options[2];
    for (int i : {0, 1}) {
        options[i] = readProjectBoolean(values[3 + i]);
        if (!options[i]) {
            *problem = QStringLiteral("its %1 value, \"%2\", is neither True, False nor a number.")
                           .arg(i == 0 ? QStringLiteral("fourth") : QStringLiteral("fifth"),
                                values[3 + i]);
            return std::nullopt;
        }
    }
    return ProjectFileContent{values[0],   values[1],   values[2],
                              *options[0], *options[1], values.mid(5)};
}

QStringList projectFileLines(const Project& project)
{
    const auto word = [](bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); };
    return QStringList{project.ProjectName(), project.OutputAppName(), project.ProjectFolder(),
                       word(project.UseRootInfFile()), word(project.CreateRootInfWithWizard())} +
           project.Files();
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
