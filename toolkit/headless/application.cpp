#include "application.h"

namespace toolkit {

struct Application::Native {};

Application::Application(const char*, const Identity&)
    : native(std::make_unique<Native>())
{
}

Application::~Application() = default;

// Nothing waits for input here: every event is raised as it is made.
int Application::exec()
{
    return 0;
}

} // namespace toolkit
