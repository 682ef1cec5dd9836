#include "ui/WindowFrame.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QtTest>

using namespace skyvarre;

class tst_ProgramIcon : public QObject
{
    Q_OBJECT

private slots:
    void theIconHasEverySizeOfItsFiles();
    void eachSizeShowsThePixelsOfItsFile_data();
    void eachSizeShowsThePixelsOfItsFile();
};

void tst_ProgramIcon::theIconHasEverySizeOfItsFiles()
{
    const QList<QSize> expected{QSize(32, 32), QSize(64, 64)};
    QCOMPARE(programIcon().availableSizes(), expected);
}

void tst_ProgramIcon::eachSizeShowsThePixelsOfItsFile_data()
{
    QTest::addColumn<int>("size");

    QTest::newRow("the 32-pixel icon is skyvarre-32.png") << 32;
    QTest::newRow("the 64-pixel icon is skyvarre-64.png") << 64;
}

void tst_ProgramIcon::eachSizeShowsThePixelsOfItsFile()
{
    QFETCH(int, size);

    const QString file =
        QStringLiteral(SKYVARRE_ICON_FOLDER "/skyvarre-%1.png").arg(QString::number(size));
    const QImage expected = QImage(file).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVERIFY2(!expected.isNull(), qPrintable(file));
    const QImage shown = programIcon()
                             .pixmap(QSize(size, size))
                             .toImage()
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QCOMPARE(shown.size(), expected.size());
    QCOMPARE(shown, expected);
}

QTEST_MAIN(tst_ProgramIcon)
#include "tst_programicon.moc"
