#pragma once

namespace forms {

// Where a form or a control stands and how large it is, in twips. Every
// change of it goes through Move, which tells the one placed (Moved).
class Placement {
public:
    long Left() const { return left_; }
    long Top() const { return top_; }
    long Width() const { return width_; }
    long Height() const { return height_; }
    void SetLeft(long twips) { Move(twips, top_, width_, height_); }
    void SetTop(long twips) { Move(left_, twips, width_, height_); }
    void SetWidth(long twips) { Move(left_, top_, twips, height_); }
    void SetHeight(long twips) { Move(left_, top_, width_, twips); }
    void Move(long left, long top, long width, long height) {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
        Moved();
    }

protected:
    Placement(long width, long height) : width_(width), height_(height) {}
    Placement(const Placement&) = delete;
    Placement& operator=(const Placement&) = delete;
    ~Placement() = default;

private:
    virtual void Moved() = 0;

    long left_ = 0, top_ = 0, width_, height_;
};

} // namespace forms
