/* The floor under writing a list of a folder's sounds, as a whole process: read the folder,
 * and for every ".wav" file in it stat it and read its first 44 bytes. Nothing is written.
 *   header_loop read FOLDER          prints how many files it read
 *   header_loop make FOLDER COUNT    makes COUNT small PCM WAV files (1-8 KB) in FOLDER
 * Built and run by bench/export_whole.sh. */
#include <dirent.h>
#include <fcntl.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static int isWav(const char* name) {
    size_t length = strlen(name);
    return length > 4 && strcasecmp(name + length - 4, ".wav") == 0;
}

static int readHeaders(const char* folder) {
    DIR* dir = opendir(folder);
    if (dir == NULL)
        return -1;
    char path[4096], header[44];
    int count = 0;
    for (struct dirent* entry; (entry = readdir(dir)) != NULL;) {
        if (!isWav(entry->d_name))
            continue;
        snprintf(path, sizeof path, "%s/%s", folder, entry->d_name);
        struct stat info;
        if (stat(path, &info) != 0)
            continue;
        int fd = open(path, O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            continue;
        if (read(fd, header, sizeof header) == (ssize_t)sizeof header)
            ++count;
        close(fd);
    }
    closedir(dir);
    return count;
}

static void putLe(unsigned char* at, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        at[i] = (unsigned char)(value >> (8 * i));
}

/* The shapes and lengths vary from file to file, as in a real collection. */
static int writeWav(const char* path, int index) {
    unsigned char header[44];
    uint16_t channels = index % 3 == 0 ? 2 : 1, bits = index % 5 == 0 ? 8 : 16;
    uint32_t rate = index % 2 ? 22050 : 44100;
    uint16_t block = (uint16_t)(channels * bits / 8);
    uint32_t data = (uint32_t)(1000 + index * 37 % 7000) / block * block;
    memcpy(header, "RIFF", 4);
    putLe(header + 4, 36 + data, 4);
    memcpy(header + 8, "WAVEfmt ", 8);
    putLe(header + 16, 16, 4);
    putLe(header + 20, 1, 2);
    putLe(header + 22, channels, 2);
    putLe(header + 24, rate, 4);
    putLe(header + 28, rate * block, 4);
    putLe(header + 32, block, 2);
    putLe(header + 34, bits, 2);
    memcpy(header + 36, "data", 4);
    putLe(header + 40, data, 4);
    static unsigned char silence[8192];
    FILE* file = fopen(path, "wb");
    if (file == NULL)
        return -1;
    int written = fwrite(header, 1, 44, file) == 44 && fwrite(silence, 1, data, file) == data;
    return fclose(file) == 0 && written ? 0 : -1;
}

static int makeFolder(const char* folder, int count) {
    char path[4096];
    for (int i = 0; i < count; ++i) {
        snprintf(path, sizeof path, "%s/Sound %06d take.wav", folder, i * 7919 % count);
        if (writeWav(path, i) != 0)
            return -1;
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc == 3 && strcmp(argv[1], "read") == 0) {
        int count = readHeaders(argv[2]);
        printf("%d\n", count);
        return count < 0;
    }
    if (argc == 4 && strcmp(argv[1], "make") == 0)
        return makeFolder(argv[2], atoi(argv[3])) != 0;
    fprintf(stderr, "usage: header_loop read FOLDER | make FOLDER COUNT\n");
    return 2;
}
