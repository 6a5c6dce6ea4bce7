#pragma once

#include <QString>

// The folder a file control shows, its Path; each control says what showing another one does.
class ShownFolder {
public:
    QString Path() const { return m_path; }
    virtual void setPath(const QString& folder) = 0;

protected:
    ~ShownFolder() = default;

    QString m_path;
};
