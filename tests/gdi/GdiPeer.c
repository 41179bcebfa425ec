/* Plays metafiles with the platform's own GDI into device-independent bitmaps and writes their
 * pixels out, for the differential metafile test.
 *
 *   GdiPeer.exe list.txt
 *
 * Each line of the list: input file, output file, width, height. An enhanced metafile (.emf)
 * is played with its frame on (0, 0, width, height); a placeable Windows metafile (.wmf) with
 * its bounding box mapped onto the same rectangle. The output is width x height pixels, top row
 * first, 4 bytes each (blue, green, red, unused) on a white start. */
#include <windows.h>
#include <winreg.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* Pens of EMR_EXTCREATEPEN records are made here from the record's bytes: the 64-bit
 * platform library reads that record with its own structure layout, which puts the 32-bit
 * hatch field out of place. */
static int CALLBACK PlayRecord(HDC dc, HANDLETABLE* table, const ENHMETARECORD* record, int objects, LPARAM param)
{
    (void)param;
    if (record->iType == EMR_EXTCREATEPEN && record->nSize >= 52) {
        const DWORD* d = record->dParm;
        const DWORD index = d[0];
        const DWORD style = d[5], width = d[6], brushStyle = d[7], color = d[8], hatch = d[9];
        DWORD entries = d[10];
        if (entries > (record->nSize - 52) / 4)
            entries = 0;
        if (brushStyle == BS_SOLID || brushStyle == BS_NULL || brushStyle == BS_HATCHED) {
            LOGBRUSH brush;
            brush.lbStyle = brushStyle;
            brush.lbColor = color;
            brush.lbHatch = hatch;
            if ((int)index < objects)
                table->objectHandle[index]
                    = ExtCreatePen(style, width, &brush, entries, entries ? (const DWORD*)&d[11] : NULL);
            return 1;
        }
    }
    return PlayEnhMetaFileRecord(dc, table, record, objects);
}

static BYTE* ReadAll(const char* name, DWORD* size)
{
    FILE* f = fopen(name, "rb");
    if (!f)
        return NULL;
    fseek(f, 0, SEEK_END);
    long n = ftell(f);
    fseek(f, 0, SEEK_SET);
    BYTE* data = (BYTE*)malloc(n > 0 ? (size_t)n : 1);
    if (data && fread(data, 1, (size_t)n, f) != (size_t)n) {
        free(data);
        data = NULL;
    }
    fclose(f);
    *size = (DWORD)n;
    return data;
}

static int Play(const char* input, const char* output, int width, int height)
{
    DWORD size = 0;
    BYTE* data = ReadAll(input, &size);
    if (!data)
        return 0;
    BITMAPINFO info;
    memset(&info, 0, sizeof info);
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = NULL;
    HDC dc = CreateCompatibleDC(NULL);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, NULL, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    memset(bits, 0xFF, (size_t)width * height * 4);
    RECT rect = { 0, 0, width, height };
    const size_t len = strlen(input);
    if (len > 4 && _stricmp(input + len - 4, ".wmf") == 0 && size > 22) {
        const short* box = (const short*)(data + 6);
        HMETAFILE wmf = SetMetaFileBitsEx(size - 22, data + 22);
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowOrgEx(dc, box[0], box[1], NULL);
        SetWindowExtEx(dc, box[2] - box[0], box[3] - box[1], NULL);
        SetViewportOrgEx(dc, 0, 0, NULL);
        SetViewportExtEx(dc, width, height, NULL);
        PlayMetaFile(dc, wmf);
        DeleteMetaFile(wmf);
    } else {
        HENHMETAFILE emf = SetEnhMetaFileBits(size, data);
        EnumEnhMetaFile(dc, emf, PlayRecord, NULL, &rect);
        DeleteEnhMetaFile(emf);
    }
    GdiFlush();
    FILE* out = fopen(output, "wb");
    if (out) {
        fwrite(bits, 4, (size_t)width * height, out);
        fclose(out);
    }
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    free(data);
    return out != NULL;
}

/* Text is drawn without smoothing. The font setting is read when the process starts, so a
 * fresh prefix gets it written and the program runs itself once more. Returns -1 when the
 * setting was already in place, otherwise the exit code of that second run. */
static int WithoutFontSmoothing(void)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL)
        != ERROR_SUCCESS)
        return -1;
    char value[16] = "";
    DWORD size = sizeof value - 1;
    const int set = RegQueryValueExA(key, "FontSmoothing", NULL, NULL, (BYTE*)value, &size) == ERROR_SUCCESS
        && strcmp(value, "0") == 0;
    if (!set)
        RegSetValueExA(key, "FontSmoothing", 0, REG_SZ, (const BYTE*)"0", 2);
    RegCloseKey(key);
    if (set)
        return -1;
    STARTUPINFOA startup;
    PROCESS_INFORMATION process;
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    if (!CreateProcessA(NULL, GetCommandLineA(), NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process))
        return 2;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 2;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return (int)code;
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: GdiPeer list.txt\n");
        return 2;
    }
    const int again = WithoutFontSmoothing();
    if (again >= 0)
        return again;
    FILE* list = fopen(argv[1], "r");
    if (!list) {
        fprintf(stderr, "cannot open %s\n", argv[1]);
        return 2;
    }
    char input[1024], output[1024];
    int width, height, failures = 0;
    while (fscanf(list, "%1023s %1023s %d %d", input, output, &width, &height) == 4) {
        if (width <= 0 || height <= 0 || width > 4096 || height > 4096 || !Play(input, output, width, height)) {
            fprintf(stderr, "cannot play %s\n", input);
            ++failures;
        }
    }
    fclose(list);
    return failures ? 1 : 0;
}
