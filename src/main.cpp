#include "shell/startup.h"

int main(int argc, char* argv[])
{
    return corvella::runApplication(argc, argv);
}
