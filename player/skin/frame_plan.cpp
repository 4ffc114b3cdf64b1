#include "skin/frame_plan.h"

FramePlan PlanFrame(int clientWidth, int clientHeight, const FrameMetrics& frame) {
    const int c = frame.cornerSize;
    const int bw = frame.bitmapWidth;
    const int bh = frame.bitmapHeight;
    const int w = clientWidth;
    const int h = clientHeight;

    FramePlan plan;
    plan.centre = {c, c, w - c, h - c};
    plan.copies = {
        {{0, 0, c, c}, {0, 0, c, c}},
        {{0, bh - c, c, bh}, {0, h - c, c, h}},
        {{bw - c, bh - c, bw, bh}, {w - c, h - c, w, h}},
        {{bw - c, 0, bw, c}, {w - c, 0, w, c}},
    };
    if (w > 2 * c) {
        plan.copies.push_back({{c, 0, c + 1, c}, {c, 0, w - c, c}});
        plan.copies.push_back({{c, bh - c, c + 1, bh}, {c, h - c, w - c, h}});
    }
    if (h > 2 * c) {
        plan.copies.push_back({{0, c, c, c + 1}, {0, c, c, h - c}});
        plan.copies.push_back({{bw - c, c, bw, c + 1}, {w - c, c, w, h - c}});
    }
    return plan;
}
