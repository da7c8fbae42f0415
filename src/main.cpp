#include <iostream>

#include "dialogue/driver.h"

int main() {
  std::ios::sync_with_stdio(false);
  return hurricane::dialogue::run_advisor(std::cin, std::cout, std::cerr);
}
