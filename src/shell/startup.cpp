#include "shell/startup.h"
namespace vt {
int RunTidewright() { return 0; }
}
