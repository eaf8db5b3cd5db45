#include "engine/HeapSort.h"

#include <stdexcept>

namespace kiv {
namespace {

struct Record {
    double key, companion2, companion3;
};

// Which child to follow when both exist. Building takes the right child only when strictly
// larger; sorting takes it on ties too. Callers see the resulting order of equal keys.
enum class ChildRule { LeftOnTie, RightOnTie };

class Heap {
  public:
    Heap(std::span<double> s1, std::span<double> s2, std::span<double> s3)
        : s1_(s1), s2_(s2), s3_(s3) {}

    // Positions count from 1.
    Record at(std::int32_t p) const { return {s1_[p - 1], s2_[p - 1], s3_[p - 1]}; }
    void put(std::int32_t p, const Record& r) {
        s1_[p - 1] = r.key;
        s2_[p - 1] = r.companion2;
        s3_[p - 1] = r.companion3;
    }
    double key(std::int32_t p) const { return s1_[p - 1]; }

    void siftDown(std::int32_t k, std::int32_t m, const Record& t, ChildRule rule) {
        while (2 * k <= m) {
            std::int32_t j = 2 * k;
            if (j + 1 <= m && takesRight(key(j), key(j + 1), rule)) ++j;
            if (key(j) <= t.key) break;
            put(k, at(j));
            k = j;
        }
        put(k, t);
    }

  private:
    static bool takesRight(double left, double right, ChildRule rule) {
        return rule == ChildRule::LeftOnTie ? left < right : left <= right;
    }

    std::span<double> s1_, s2_, s3_;
};

}  // namespace

void hSort(std::int32_t NN, std::span<double> s1, std::span<double> s2, std::span<double> s3) {
    if (NN > 0 &&
        (static_cast<std::size_t>(NN) > s1.size() || static_cast<std::size_t>(NN) > s2.size() ||
         static_cast<std::size_t>(NN) > s3.size()))
        throw std::out_of_range("hSort: an array holds fewer than NN records");

    Heap heap(s1, s2, s3);
    for (std::int32_t i = NN / 2; i >= 1; --i)
        heap.siftDown(i, NN, heap.at(i), ChildRule::LeftOnTie);
    for (std::int32_t i = NN - 1; i >= 1; --i) {
        const Record t = heap.at(i + 1);
        heap.put(i + 1, heap.at(1));
        heap.siftDown(1, i, t, ChildRule::RightOnTie);
    }
}

}  // namespace kiv
