// A plain C++ program that prints one line: what starting any program costs on this machine,
// beside which the start-up benchmarks measure quorvia-batch.
#include <iostream>

int main() {
    std::cout << "payment=768.91\n";
}
