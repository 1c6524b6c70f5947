#pragma once

// Whole-program Qt tests start the program from a scratch folder; it needs the shipped pictures.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QString>

namespace palvo {

// Copies the shipped bg/, bars/ and buttons/ into `folder`; a failed copy fails the test.
inline void CopyShippedPictures(const QString& folder)
{
    const QDir resources(QStringLiteral(PALVO_SOURCE_DIR "/resources"));
    for (const QString& name : {QStringLiteral("bg"), QStringLiteral("bars"), QStringLiteral("buttons")}) {
        QDir(folder).mkpath(name);
        const QDir source(resources.filePath(name));
        for (const QString& file : source.entryList(QDir::Files)) {
            ASSERT_TRUE(
                QFile::copy(source.filePath(file), QDir(folder).filePath(name + QLatin1Char('/') + file)));
        }
    }
}

}  // namespace palvo
