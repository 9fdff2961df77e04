#include "fur.h"

#include <cmath>

#include "noise.h"

namespace tibbo::art {
namespace {

Plane paint_plane(const Canvas& canvas, const cairo_matrix_t& m, const Painter& painter, bool fill_path) {
    if (!painter)
        return Plane(canvas.width, canvas.height);
    return draw_mask(canvas, m, [&](cairo_t* cr) {
        painter(cr);
        if (fill_path)
            cairo_fill(cr);
    });
}

// Hair noise at a point given in (along the hair, across the hair) units.
float hair_noise(double along, double across, const FurPart& part) {
    const float u = static_cast<float>(along / part.hair_length);
    const float v = static_cast<float>(across / part.hair_width);
    const float fine = value_noise(u, v, part.seed);
    const float finer = value_noise(u * 1.7f + 31.7f, v * 1.3f - 11.1f, part.seed + 17u);
    return fine * 0.62f + finer * 0.38f;
}

}  // namespace

Surface render_fur(const Canvas& canvas, const FurPart& part, const Light& light) {
    const double s = canvas.scale;
    const Plane coverage = paint_plane(canvas, part.local_to_picture, part.outline, true);
    Surface layer = make_surface(CAIRO_FORMAT_ARGB32, canvas.width, canvas.height);
    const PixelBox tight = coverage.nonzero_box();
    if (tight.empty())
        return layer;

    Plane soft = coverage;
    blur(soft, 0.8 * s, tight);
    Plane volume = coverage;
    blur(volume, part.roundness * s, tight);
    Plane form = coverage;
    blur(form, part.bulk * s, tight);
    Plane white = paint_plane(canvas, part.local_to_picture, part.white, false);
    blur(white, 1.3 * s);
    Plane stripes = paint_plane(canvas, part.local_to_picture, part.stripes, false);
    blur(stripes, 1.1 * s);
    Plane shadow = paint_plane(canvas, part.local_to_picture, part.shadow, false);
    blur(shadow, 2.5 * s);
    Plane creases = paint_plane(canvas, part.local_to_picture, part.creases, false);
    blur(creases, 0.7 * s);
    Plane pale = paint_plane(canvas, part.local_to_picture, part.pale, false);
    blur(pale, 2.0 * s);
    Plane bumps = paint_plane(canvas, part.local_to_picture, part.bumps, false);
    blur(bumps, part.bump_radius * s);
    const double bump_relief = part.bump_relief * part.bump_radius * s * 4.0;

    cairo_matrix_t to_local;
    {
        const cairo_matrix_t to_pixels = canvas.picture_to_pixels();
        cairo_matrix_multiply(&to_local, &part.local_to_picture, &to_pixels);
        cairo_matrix_invert(&to_local);
    }

    double lx = light.x, ly = light.y, lz = light.z;
    const double ln = std::sqrt(lx * lx + ly * ly + lz * lz);
    lx /= ln;
    ly /= ln;
    lz /= ln;
    double fx_dir = light.fill_x, fy_dir = light.fill_y, fz_dir = light.fill_z;
    {
        const double fn = std::sqrt(fx_dir * fx_dir + fy_dir * fy_dir + fz_dir * fz_dir);
        fx_dir /= fn;
        fy_dir /= fn;
        fz_dir /= fn;
    }
    const double relief = part.relief * part.roundness * s * 4.0;
    const double bulk_relief = part.bulk_relief * part.bulk * s * 2.0;

    const PixelBox box = tight.grown(static_cast<int>(std::ceil(2 * s)) + 2, canvas.width, canvas.height);
    cairo_surface_flush(layer.get());
    for (int y = box.y0; y < box.y1; ++y) {
        std::uint32_t* row = pixel_row(layer.get(), y);
        for (int x = box.x0; x < box.x1; ++x) {
            const float m = soft.at(x, y);
            if (m < 0.004f)
                continue;
            double lxp = x + 0.5, lyp = y + 0.5;
            cairo_matrix_transform_point(&to_local, &lxp, &lyp);

            // Hair coordinates: distance from the flow centre and angle around it.
            double along = 0.0, across = 0.0;
            float hair = 0.0f;
            if (part.hair_coords) {
                const Point h = part.hair_coords({lxp, lyp});
                along = h.x;
                across = h.y;
                hair = hair_noise(along, across, part);
            } else {
                const double dx = lxp - part.flow_centre.x;
                const double dy = lyp - part.flow_centre.y;
                along = std::hypot(dx, dy);
                double angle = std::atan2(dy, dx) - part.seam_angle - M_PI;
                angle = std::remainder(angle, 2 * M_PI);  // (-pi, pi], the seam at +-pi
                across = angle * part.flow_radius;
                hair = hair_noise(along, across, part);
                const double wrap = std::abs(angle);
                if (wrap > 0.8 * M_PI) {
                    const double other = (angle - std::copysign(2 * M_PI, angle)) * part.flow_radius;
                    const float t = smoothstep(0.8f * static_cast<float>(M_PI), static_cast<float>(M_PI),
                                               static_cast<float>(wrap));
                    hair = lerp(hair, hair_noise(along, other, part), 0.5f * t);
                }
            }
            const float clump = value_noise(static_cast<float>(along / 9.0), static_cast<float>(across / 4.5),
                                            part.seed + 5u);

            // Hairy outline: near the edge the hairs decide what is in and out.
            const float edge = 4.0f * m * (1.0f - m);
            const float alpha =
                smoothstep(0.12f, 0.88f, m + static_cast<float>(part.fuzz) * 1.5f * (hair - 0.5f) * edge);
            if (alpha <= 0.0f)
                continue;

            // Rounding from the slope of the blurred silhouette.
            const double gx = (volume.sample(x + 1, y) - volume.sample(x - 1, y)) * 0.5;
            const double gy = (volume.sample(x, y + 1) - volume.sample(x, y - 1)) * 0.5;
            const double fx = (form.sample(x + 1, y) - form.sample(x - 1, y)) * 0.5;
            const double fy = (form.sample(x, y + 1) - form.sample(x, y - 1)) * 0.5;
            const double bx = (bumps.sample(x + 1, y) - bumps.sample(x - 1, y)) * 0.5;
            const double by = (bumps.sample(x, y + 1) - bumps.sample(x, y - 1)) * 0.5;
            double nx = -gx * relief - fx * bulk_relief - bx * bump_relief;
            double ny = -gy * relief - fy * bulk_relief - by * bump_relief;
            double nz = 1.0;
            const double nn = std::sqrt(nx * nx + ny * ny + nz * nz);
            nx /= nn;
            ny /= nn;
            nz /= nn;
            // Wrapped diffuse: fur scatters light a little way round into the shade.
            const float facing = static_cast<float>(nx * lx + ny * ly + nz * lz);
            const float diffuse = clamp01((facing + light.wrap) / (1.0f + light.wrap));
            const float inside = smoothstep(0.0f, 0.75f, volume.at(x, y));
            const float occlusion =
                lerp(0.78f, 1.0f, inside) * (1.0f - 0.55f * shadow.at(x, y)) * (1.0f - 0.6f * creases.at(x, y));

            const float w = smoothstep(0.28f, 0.72f, white.at(x, y) + 0.7f * (hair - 0.5f));
            const float st = smoothstep(0.22f, 0.78f, stripes.at(x, y) + 0.8f * (hair - 0.5f)) * (1.0f - w);
            Rgb c = mix(part.coat.base, mix(part.coat.base, part.coat.white, 0.6f), pale.at(x, y));
            c = mix(c, part.coat.stripe, st * (1.0f - 0.6f * pale.at(x, y)));
            // Agouti ticking: light and dark bands along the grey hairs.
            const float grain = lerp(0.8f + 0.4f * hair, 0.88f + 0.22f * hair, w);
            c = mix(c, part.coat.white, w) * (grain * (0.88f + 0.24f * clump));

            const float bounce = clamp01(static_cast<float>(nx * fx_dir + ny * fy_dir + nz * fz_dir));
            const float light_amount = light.ambient + light.diffuse * diffuse + light.fill * bounce;
            const Rgb tint = mix(light.shade_tint, light.lit_tint, clamp01(diffuse * 1.3f));
            Rgb lit = c * tint * (light_amount * occlusion);
            // Rim light: the window behind on the left lights the fringe of the fur.
            const double gl = std::hypot(gx, gy);
            if (gl > 1e-6) {
                const float facing_window = static_cast<float>(std::max(0.0, (gx * 0.8 - gy * 0.45) / gl));
                const float fringe = (1.0f - inside) * (1.0f - inside);
                lit = lit + light.rim_tint * (light.rim * facing_window * fringe * (0.6f + 0.8f * hair));
            }
            const float sheen = part.sheen * std::pow(diffuse, 6.0f) * (0.5f + hair);
            lit = lit + Rgb{sheen, sheen, sheen};
            row[x] = pack_argb(lit, alpha);
        }
    }
    cairo_surface_mark_dirty(layer.get());
    return layer;
}

}  // namespace tibbo::art
