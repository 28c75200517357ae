// Entry point of Duskhollow.
#include "app/shell.h"

int main() { return RunGame(); }
