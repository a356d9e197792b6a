// saisonbuch-cli: batch commands over the program's core.
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0) {
        std::puts("Aufruf: saisonbuch-cli BEFEHL ...");
        return argc < 2 ? 1 : 0;
    }
    std::fprintf(stderr, "saisonbuch-cli: unbekannter Befehl: %s\n", argv[1]);
    return 1;
}
