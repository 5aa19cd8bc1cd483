// Prints the type QMimeDatabase gives each file named, one a line, as the file boxes see it.
#include <cstdio>

#include <QCoreApplication>
#include <QFile>
#include <QMimeDatabase>

int main(int argc, char* argv[]) {
    const QCoreApplication app(argc, argv);
    const QMimeDatabase types;
    for (int i = 1; i < argc; ++i)
        std::puts(types.mimeTypeForFile(QFile::decodeName(argv[i])).name().toUtf8().constData());
    return 0;
}
