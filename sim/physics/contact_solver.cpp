#include "contact_solver.h"

#include <cmath>

namespace sim::physics {
namespace {

constexpr double kVelocityTolerance = 1e-9;  // [m/s]

// Angular lever of a unit impulse along the normal at the point: the body-rate change it causes
// is lever / (m I) component-wise, and a body-rate change w moves the point along the normal by
// w·lever.
VECTOR3 Lever(const RigidBody& b, const ContactRow& row) {
    return crossp(tmul(b.R, row.up_N), row.pos_B);
}

double NormalVelocity(const RigidBody& b, const ContactRow& row) {
    return dotp(b.v_N + mul(b.R, crossp(row.pos_B, b.omega_B)) - row.ground_v_N, row.up_N);
}

// Solves A x = b by Gaussian elimination with partial pivoting (A is n x n, row-major); a
// vanishing pivot (contacts on one line) leaves its unknown at 0.
std::vector<double> Solve(std::vector<double> A, std::vector<double> b) {
    const std::size_t n = b.size();
    double scale = 0.0;
    for (std::size_t i = 0; i < n; ++i) scale = std::fmax(scale, std::fabs(A[i * n + i]));
    const double tiny = 1e-12 * scale;
    for (std::size_t col = 0; col < n; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < n; ++r)
            if (std::fabs(A[r * n + col]) > std::fabs(A[pivot * n + col])) pivot = r;
        if (pivot != col) {
            for (std::size_t c = 0; c < n; ++c) std::swap(A[col * n + c], A[pivot * n + c]);
            std::swap(b[col], b[pivot]);
        }
        if (std::fabs(A[col * n + col]) <= tiny) continue;
        for (std::size_t r = col + 1; r < n; ++r) {
            const double f = A[r * n + col] / A[col * n + col];
            for (std::size_t c = col; c < n; ++c) A[r * n + c] -= f * A[col * n + c];
            b[r] -= f * b[col];
        }
    }
    std::vector<double> x(n, 0.0);
    for (std::size_t i = n; i-- > 0;) {
        if (std::fabs(A[i * n + i]) <= tiny) continue;
        double s = b[i];
        for (std::size_t c = i + 1; c < n; ++c) s -= A[i * n + c] * x[c];
        x[i] = s / A[i * n + i];
    }
    return x;
}

// Active-set iteration: solve the active contacts exactly, release the one pulling hardest,
// re-admit a released one that would sink; until nothing changes.
class ContactProblem {
  public:
    ContactProblem(const RigidBody& b, const MassProperties& mp,
                   const std::vector<ContactRow>& rows)
        : rows_(rows), n_(rows.size()), K_(n_ * n_), v0_(n_), active_(n_, true), impulse_(n_, 0.0) {
        std::vector<VECTOR3> lever(n_);
        for (std::size_t i = 0; i < n_; ++i) {
            lever[i] = Lever(b, rows[i]);
            v0_[i] = NormalVelocity(b, rows[i]);
        }
        const VECTOR3& I = mp.pmi;
        for (std::size_t i = 0; i < n_; ++i)
            for (std::size_t k = 0; k < n_; ++k) {
                const VECTOR3 &a = lever[i], &c = lever[k];
                K_[i * n_ + k] = (dotp(rows[i].up_N, rows[k].up_N) + a.x * c.x / I.x +
                                  a.y * c.y / I.y + a.z * c.z / I.z) /
                                 mp.mass;
            }
    }

    const std::vector<double>& Impulses() {
        for (std::size_t round = 0; round < 4 * n_ + 4; ++round) {
            SolveActive();
            if (!ReleasePulling() && !ReadmitSinking()) break;
        }
        return impulse_;
    }

  private:
    void SolveActive() {
        std::vector<std::size_t> act;
        for (std::size_t i = 0; i < n_; ++i) {
            impulse_[i] = 0.0;
            if (active_[i]) act.push_back(i);
        }
        const std::size_t m = act.size();
        std::vector<double> A(m * m), rhs(m);
        for (std::size_t r = 0; r < m; ++r) {
            rhs[r] = rows_[act[r]].target_velocity - v0_[act[r]];
            for (std::size_t c = 0; c < m; ++c) A[r * m + c] = K_[act[r] * n_ + act[c]];
        }
        const std::vector<double> x = Solve(std::move(A), std::move(rhs));
        for (std::size_t r = 0; r < m; ++r) impulse_[act[r]] = x[r];
    }

    bool ReleasePulling() {
        std::size_t worst = n_;
        for (std::size_t i = 0; i < n_; ++i)
            if (active_[i] && impulse_[i] < 0.0 && (worst == n_ || impulse_[i] < impulse_[worst]))
                worst = i;
        if (worst == n_) return false;
        active_[worst] = false;
        return true;
    }

    bool ReadmitSinking() {
        for (std::size_t i = 0; i < n_; ++i) {
            if (active_[i]) continue;
            double v = v0_[i];
            for (std::size_t k = 0; k < n_; ++k) v += K_[i * n_ + k] * impulse_[k];
            if (v < rows_[i].target_velocity - kVelocityTolerance) {
                active_[i] = true;
                return true;
            }
        }
        return false;
    }

    const std::vector<ContactRow>& rows_;
    std::size_t n_;
    std::vector<double> K_;   // normal velocity change of point i per unit impulse at point k
    std::vector<double> v0_;  // normal velocities before any impulse [m/s]
    std::vector<bool> active_;
    std::vector<double> impulse_;  // [N s]
};

}  // namespace

double ApplyContactImpulses(RigidBody& body, const MassProperties& mp,
                            const std::vector<ContactRow>& rows) {
    if (rows.empty()) return 0.0;
    ContactProblem problem(body, mp, rows);
    const std::vector<double>& impulses = problem.Impulses();
    VECTOR3 dv{}, dw{};
    double total = 0.0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        dv += rows[i].up_N * impulses[i];
        dw += Lever(body, rows[i]) * impulses[i];
        total += impulses[i];
    }
    body.v_N += dv / mp.mass;
    body.omega_B += _V(dw.x / mp.pmi.x, dw.y / mp.pmi.y, dw.z / mp.pmi.z) / mp.mass;
    return total;
}

}  // namespace sim::physics
