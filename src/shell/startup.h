#pragma once
namespace vt {
int RunTidewright();
}
