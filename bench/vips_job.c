/* The skin job through libvips's C API, in one process, for bench/compare:
 * decode the picture once at reduced scale (JPEG shrink-on-load; other formats at full
 * size), stretch it to the four surface sizes, hue-shift the four templates, read the
 * tinted key colour back from pixel (1, 1) of the tinted Main template, lay each tinted
 * template over its stretched picture where the template is exactly that colour, and
 * write four 24-bit uncompressed bitmaps with a small writer of our own.
 *
 *   vips_job PICTURE TEMPLATE_DIR OUT_DIR PREFIX HUE_DEGREES [RELEASE_RUNS]
 *
 * With RELEASE_RUNS, it then repeats the slider-release part (tint the four templates,
 * read the key, overlay, bring the four results into memory) that many times and prints
 * its median in milliseconds on stdout as "release_ms <value>".
 */
#include <vips/vips.h>

#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define SURFACES 4

static const char* const words[SURFACES] = {"Main", "Scene", "Console", "Chat"};
static const char* const templates[SURFACES] = {"MainMerge.png", "SceneMerge.png",
                                                "InChatMerge.png", "OutChatMerge.png"};
static const int widths[SURFACES] = {800, 300, 310, 438};
static const int heights[SURFACES] = {629, 550, 105, 173};

static void die(const char* what) {
    fprintf(stderr, "vips_job: %s: %s\n", what, vips_error_buffer());
    exit(1);
}

static double now_ms(void) {
    return g_get_monotonic_time() / 1e3;
}

/* Three uchar bands, no alpha. */
static VipsImage* to_rgb(VipsImage* in) {
    VipsImage* out = in;
    VipsImage* t;
    g_object_ref(out);
    if (vips_image_hasalpha(out)) {
        double white[3] = {255, 255, 255};
        if (vips_flatten(out, &t, "background", vips_array_double_new(white, 3), NULL))
            die("flatten");
        g_object_unref(out);
        out = t;
    }
    if (out->Bands < 3) {
        if (vips_colourspace(out, &t, VIPS_INTERPRETATION_sRGB, NULL))
            die("colourspace");
        g_object_unref(out);
        out = t;
    }
    if (out->BandFmt != VIPS_FORMAT_UCHAR) {
        if (vips_cast_uchar(out, &t, NULL))
            die("cast");
        g_object_unref(out);
        out = t;
    }
    return out;
}

/* Decodes once, JPEG at the smallest DCT scale that still covers the largest surface. */
static VipsImage* load_picture(const char* path) {
    VipsImage* header = vips_image_new_from_file(path, "access", VIPS_ACCESS_SEQUENTIAL, NULL);
    if (!header)
        die(path);
    const char* loader = vips_foreign_find_load(path);
    int shrink = 1;
    if (loader && strstr(loader, "Jpeg")) {
        for (int s = 8; s > 1; s /= 2)
            if (header->Xsize / s >= widths[0] && header->Ysize / s >= heights[0]) {
                shrink = s;
                break;
            }
    }
    g_object_unref(header);

    VipsImage* raw;
    if (shrink > 1) {
        if (vips_jpegload(path, &raw, "shrink", shrink, NULL))
            die(path);
    } else if (!(raw = vips_image_new_from_file(path, NULL))) {
        die(path);
    }
    VipsImage* rgb = to_rgb(raw);
    g_object_unref(raw);
    VipsImage* decoded = vips_image_copy_memory(rgb); /* decode exactly once */
    if (!decoded)
        die("decode");
    g_object_unref(rgb);
    return decoded;
}

/* Exactly w x h, axes independent. */
static VipsImage* stretch(VipsImage* in, int w, int h) {
    VipsImage* r;
    if (vips_resize(in, &r, (double)w / in->Xsize, "vscale", (double)h / in->Ysize, NULL))
        die("resize");
    if (r->Xsize != w || r->Ysize != h) { /* rounding can leave a pixel over or short */
        VipsImage* e;
        if (vips_gravity(r, &e, VIPS_COMPASS_DIRECTION_NORTH_WEST, w, h, "extend", VIPS_EXTEND_COPY,
                         NULL))
            die("gravity");
        g_object_unref(r);
        r = e;
    }
    VipsImage* m = vips_image_copy_memory(r);
    if (!m)
        die("stretch");
    g_object_unref(r);
    return m;
}

/* Hue rotation in HSV, hue as 0..255. */
static VipsImage* tint(VipsImage* templ, double hueDegrees) {
    VipsImage *hsv, *shifted, *wrapped, *back8, *rgb;
    double a[3] = {1, 1, 1};
    double b[3] = {fmod(hueDegrees / 360.0 * 256.0 + 256.0, 256.0), 0, 0};
    double mod[3] = {256, 256, 256};
    if (vips_sRGB2HSV(templ, &hsv, NULL) || vips_linear(hsv, &shifted, a, b, 3, NULL) ||
        vips_remainder_const(shifted, &wrapped, mod, 3, NULL) ||
        vips_cast_uchar(wrapped, &back8, NULL))
        die("tint");
    back8->Type = VIPS_INTERPRETATION_HSV;
    if (vips_HSV2sRGB(back8, &rgb, NULL))
        die("tint");
    g_object_unref(hsv);
    g_object_unref(shifted);
    g_object_unref(wrapped);
    g_object_unref(back8);
    VipsImage* m = vips_image_copy_memory(rgb);
    if (!m)
        die("tint");
    g_object_unref(rgb);
    return m;
}

/* Where the template is exactly `key`, the picture; elsewhere the template. */
static VipsImage* overlay(VipsImage* picture, VipsImage* tinted, const double key[3]) {
    VipsImage *eq, *mask, *out;
    if (vips_equal_const(tinted, &eq, key, 3, NULL) ||
        vips_bandbool(eq, &mask, VIPS_OPERATION_BOOLEAN_AND, NULL) ||
        vips_ifthenelse(mask, picture, tinted, &out, NULL))
        die("overlay");
    g_object_unref(eq);
    g_object_unref(mask);
    return out;
}

static void put16(unsigned char* p, unsigned v) {
    p[0] = v & 0xFF;
    p[1] = (v >> 8) & 0xFF;
}
static void put32(unsigned char* p, unsigned v) {
    put16(p, v & 0xFFFF);
    put16(p + 2, v >> 16);
}

/* A 24-bit BI_RGB bitmap, bottom-up rows padded to 4 bytes. */
static void write_bmp(VipsImage* image, const char* path) {
    size_t size;
    unsigned char* rgb = vips_image_write_to_memory(image, &size);
    if (!rgb)
        die("write");
    const int w = image->Xsize, h = image->Ysize;
    const int stride = (w * 3 + 3) & ~3;
    const unsigned dataSize = (unsigned)stride * h;
    unsigned char header[54] = {'B', 'M'};
    put32(header + 2, 54 + dataSize);
    put32(header + 10, 54);
    put32(header + 14, 40);
    put32(header + 18, w);
    put32(header + 22, h);
    put16(header + 26, 1);
    put16(header + 28, 24);
    put32(header + 34, dataSize);
    put32(header + 38, 2835);
    put32(header + 42, 2835);
    unsigned char* data = g_malloc0(dataSize);
    for (int y = 0; y < h; ++y) {
        const unsigned char* src = rgb + (size_t)(h - 1 - y) * w * 3;
        unsigned char* dst = data + (size_t)y * stride;
        for (int x = 0; x < w; ++x) {
            dst[3 * x] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x];
        }
    }
    FILE* f = fopen(path, "wb");
    if (!f || fwrite(header, 1, 54, f) != 54 || fwrite(data, 1, dataSize, f) != dataSize ||
        fclose(f) != 0) {
        fprintf(stderr, "vips_job: cannot write %s\n", path);
        exit(1);
    }
    g_free(data);
    g_free(rgb);
}

static void key_of(VipsImage* tintedMain, double key[3]) {
    double* v;
    int n;
    if (vips_getpoint(tintedMain, &v, &n, 1, 1, NULL) || n < 3)
        die("getpoint");
    memcpy(key, v, 3 * sizeof(double));
    g_free(v);
}

static int by_value(const void* a, const void* b) {
    const double x = *(const double*)a, y = *(const double*)b;
    return (x > y) - (x < y);
}

int main(int argc, char** argv) {
    if (VIPS_INIT(argv[0]))
        vips_error_exit(NULL);
    if (argc != 6 && argc != 7) {
        fprintf(stderr,
                "usage: vips_job PICTURE TEMPLATE_DIR OUT_DIR PREFIX HUE_DEGREES [RELEASE_RUNS]\n");
        return 2;
    }
    /* Repeated operations must really run, not come from the operation cache. */
    vips_cache_set_max(0);
    const double hue = atof(argv[5]);

    VipsImage* templ[SURFACES];
    for (int i = 0; i < SURFACES; ++i) {
        char path[4096];
        snprintf(path, sizeof path, "%s/%s", argv[2], templates[i]);
        VipsImage* t = vips_image_new_from_file(path, NULL);
        if (!t)
            die(path);
        VipsImage* rgb = to_rgb(t);
        templ[i] = vips_image_copy_memory(rgb);
        g_object_unref(rgb);
        g_object_unref(t);
    }

    VipsImage* picture = load_picture(argv[1]);
    VipsImage* scaled[SURFACES];
    for (int i = 0; i < SURFACES; ++i)
        scaled[i] = stretch(picture, widths[i], heights[i]);
    g_object_unref(picture);

    VipsImage* tinted[SURFACES];
    for (int i = 0; i < SURFACES; ++i)
        tinted[i] = tint(templ[i], hue);
    double key[3];
    key_of(tinted[0], key);
    for (int i = 0; i < SURFACES; ++i) {
        char path[4096];
        snprintf(path, sizeof path, "%s/%s%s.bmp", argv[3], argv[4], words[i]);
        VipsImage* out = overlay(scaled[i], tinted[i], key);
        write_bmp(out, path);
        g_object_unref(out);
        g_object_unref(tinted[i]);
    }

    if (argc == 7) {
        const int runs = atoi(argv[6]) > 0 ? atoi(argv[6]) : 1;
        double* ms = g_new(double, runs);
        for (int r = -2; r < runs; ++r) { /* two warm-up rounds */
            const double start = now_ms();
            for (int i = 0; i < SURFACES; ++i)
                tinted[i] = tint(templ[i], hue);
            key_of(tinted[0], key);
            for (int i = 0; i < SURFACES; ++i) {
                VipsImage* out = overlay(scaled[i], tinted[i], key);
                VipsImage* m = vips_image_copy_memory(out);
                if (!m)
                    die("overlay");
                g_object_unref(m);
                g_object_unref(out);
                g_object_unref(tinted[i]);
            }
            if (r >= 0)
                ms[r] = now_ms() - start;
        }
        qsort(ms, runs, sizeof *ms, by_value);
        printf("release_ms %.4f\n",
               runs % 2 ? ms[runs / 2] : (ms[runs / 2 - 1] + ms[runs / 2]) / 2);
        g_free(ms);
    }

    for (int i = 0; i < SURFACES; ++i) {
        g_object_unref(scaled[i]);
        g_object_unref(templ[i]);
    }
    vips_shutdown();
    return 0;
}
