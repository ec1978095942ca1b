// Creates the application and the main window; nothing else.
#include "app/application.h"

int main(int argc, char** argv)
{
    return app::runApplication(argc, argv);
}
