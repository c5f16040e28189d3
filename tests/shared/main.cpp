#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>

#include "application.h"
#include "identity.h"

// Every platform needs its application object before any window is made.
int main(int argc, char** argv)
{
    toolkit::Application application(argv[0], identity());
    return doctest::Context(argc, argv).run();
}
