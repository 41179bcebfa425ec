/* A pointer for end-to-end tests under a headless compositor, which has no input devices of
 * its own: a virtual pointer that moves and clicks as told, then goes away.
 *
 *   wayland_pointer WIDTH HEIGHT (move X Y | click | down | up | sleep MS)...
 *
 * WIDTH and HEIGHT are the size of the output layout; X and Y are absolute positions in it.
 * A click presses and releases the left button; down and up do one of the two. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <wayland-client.h>

#include "virtual-pointer-client.h"

enum { ButtonLeft = 0x110 };

static struct wl_seat* seat;
static struct zwlr_virtual_pointer_manager_v1* manager;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
}

static void global_remove(void* data, struct wl_registry* registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static uint32_t now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (uint32_t)(ts.tv_sec * 1000 + ts.tv_nsec / 1000000);
}

static void pause_ms(long ms)
{
    struct timespec ts = { ms / 1000, (ms % 1000) * 1000000 };
    nanosleep(&ts, NULL);
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: %s WIDTH HEIGHT (move X Y | click | down | up | sleep MS)...\n", argv[0]);
        return 2;
    }
    const uint32_t width = (uint32_t)strtoul(argv[1], NULL, 10);
    const uint32_t height = (uint32_t)strtoul(argv[2], NULL, 10);
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "wayland_pointer: no compositor\n");
        return 1;
    }
    static const struct wl_registry_listener listener = { global, global_remove };
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, NULL);
    wl_display_roundtrip(display);
    if (!manager) {
        fprintf(stderr, "wayland_pointer: the compositor offers no virtual pointer\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    wl_display_roundtrip(display);
    /* Clients learn of the new pointer through the seat; give them a moment to take it. */
    pause_ms(300);
    for (int i = 3; i < argc; ++i) {
        if (strcmp(argv[i], "move") == 0 && i + 2 < argc) {
            const uint32_t x = (uint32_t)strtoul(argv[i + 1], NULL, 10);
            const uint32_t y = (uint32_t)strtoul(argv[i + 2], NULL, 10);
            zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), x, y, width, height);
            zwlr_virtual_pointer_v1_frame(pointer);
            i += 2;
        } else if (strcmp(argv[i], "click") == 0) {
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), ButtonLeft, WL_POINTER_BUTTON_STATE_PRESSED);
            zwlr_virtual_pointer_v1_frame(pointer);
            wl_display_roundtrip(display);
            pause_ms(60);
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), ButtonLeft, WL_POINTER_BUTTON_STATE_RELEASED);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else if (strcmp(argv[i], "down") == 0 || strcmp(argv[i], "up") == 0) {
            const int down = strcmp(argv[i], "down") == 0;
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), ButtonLeft,
                                           down ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
            zwlr_virtual_pointer_v1_frame(pointer);
        } else if (strcmp(argv[i], "sleep") == 0 && i + 1 < argc) {
            wl_display_roundtrip(display);
            pause_ms(strtol(argv[i + 1], NULL, 10));
            i += 1;
        } else {
            fprintf(stderr, "wayland_pointer: unknown step %s\n", argv[i]);
            return 2;
        }
        wl_display_roundtrip(display);
    }
    pause_ms(200);
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
