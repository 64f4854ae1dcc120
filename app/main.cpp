#include "StartUp.h"

int main(int argc, char** argv)
{
    return RunCourseProgram(argc, argv);
}
