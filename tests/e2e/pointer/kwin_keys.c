/* A keyboard for end-to-end tests under a headless KWin, which has no input devices of its
 * own: a fake-input device that stays while the test runs (the seat would lose its keyboard,
 * and the windows their focus, with the last device) and presses keys as told.
 *
 *   kwin_keys FIFO
 *
 * Each line written to FIFO is a list of tokens: NAME presses and releases a key, +NAME
 * presses it, -NAME releases it, a number waits that many seconds. "ready" goes to FIFO.done
 * once the device is there, and "done" after each line. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <wayland-client.h>

#include "fake-input-client.h"

static struct org_kde_kwin_fake_input* fake_input;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    (void)data;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        fake_input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
}

static void global_remove(void* data, struct wl_registry* registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static void pause_s(double seconds)
{
    struct timespec ts = { (time_t)seconds, (long)((seconds - (time_t)seconds) * 1e9) };
    nanosleep(&ts, NULL);
}

/* Linux input event codes. */
static int key_code(const char* name)
{
    static const struct {
        const char* name;
        int code;
    } keys[] = { { "super", 125 }, { "alt", 56 }, { "ctrl", 29 }, { "shift", 42 }, { "esc", 1 },
                 { "tab", 15 },    { "enter", 28 }, { "space", 57 }, { "a", 30 },  { "f9", 67 } };
    for (size_t i = 0; i < sizeof keys / sizeof keys[0]; ++i) {
        if (strcmp(keys[i].name, name) == 0)
            return keys[i].code;
    }
    fprintf(stderr, "kwin_keys: unknown key %s\n", name);
    return -1;
}

static void key(struct wl_display* display, int code, int pressed)
{
    if (code < 0)
        return;
    org_kde_kwin_fake_input_keyboard_key(fake_input, (uint32_t)code, pressed ? 1 : 0);
    wl_display_roundtrip(display);
    pause_s(0.05);
}

static void tell(const char* done_path, const char* word)
{
    FILE* done = fopen(done_path, "a");
    if (!done)
        return;
    fprintf(done, "%s\n", word);
    fclose(done);
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s FIFO\n", argv[0]);
        return 2;
    }
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "kwin_keys: no compositor\n");
        return 1;
    }
    static const struct wl_registry_listener listener = { global, global_remove };
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, NULL);
    wl_display_roundtrip(display);
    if (!fake_input) {
        fprintf(stderr, "kwin_keys: the compositor offers no fake input\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(fake_input, "kwin_keys", "end-to-end tests");
    wl_display_roundtrip(display);
    char done_path[4096];
    snprintf(done_path, sizeof done_path, "%s.done", argv[1]);
    tell(done_path, "ready");
    char line[4096];
    for (;;) {
        FILE* commands = fopen(argv[1], "r");
        if (!commands)
            return 1;
        while (fgets(line, sizeof line, commands)) {
            for (char* token = strtok(line, " \t\n"); token; token = strtok(NULL, " \t\n")) {
                if (token[0] >= '0' && token[0] <= '9') {
                    pause_s(strtod(token, NULL));
                } else if (token[0] == '+' || token[0] == '-') {
                    key(display, key_code(token + 1), token[0] == '+');
                } else {
                    key(display, key_code(token), 1);
                    key(display, key_code(token), 0);
                }
            }
            if (wl_display_roundtrip(display) < 0)
                return 1;
            tell(done_path, "done");
        }
        fclose(commands);
    }
}
