/* argv_echo OUTPUT [ARG...]: writes each ARG followed by a NUL byte to
 * OUTPUT. The file appears complete or not at all (written beside it, then
 * renamed), so a test may wait for it to exist. */
#include <stdio.h>
#include <string.h>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    char temp[4096];
    if (snprintf(temp, sizeof temp, "%s.part", argv[1]) >= (int)sizeof temp)
        return 2;
    FILE* out = fopen(temp, "wb");
    if (!out)
        return 1;
    for (int i = 2; i < argc; ++i)
        fwrite(argv[i], 1, strlen(argv[i]) + 1, out);
    if (fclose(out) != 0)
        return 1;
    return rename(temp, argv[1]) == 0 ? 0 : 1;
}
