#include "app/clockapp.h"

int main(int argc, char *argv[])
{
    CClockApp app(argc, argv);
    return app.InitInstance();
}
