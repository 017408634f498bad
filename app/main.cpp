#include <QApplication>
#include <QDialog>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog window;
    window.setObjectName("mainDialog");
    window.setWindowTitle("Orbiclock");
    window.setAccessibleName("Orbiclock");
    window.show();
    return app.exec();
}
