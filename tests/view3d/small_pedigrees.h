// Small pedigrees for the 3D scene tests, with the persons named by their role.
#pragma once

#include "calc/pedigree_builder.h"
#include "data/ahnen_data.h"

namespace qv::test {

// The proband P with father F, mother M and F's parents GF and GM; S is P's sibling and C
// P's child, both outside P's ancestry.
struct ThreeGenerations {
    int64_t GF, GM, F, M, P, S, C;
    TAhnenData data;
};

inline ThreeGenerations MakeThreeGenerations()
{
    PedigreeBuilder b;
    ThreeGenerations t{};
    t.GF = b.Add('M');
    t.GM = b.Add('F');
    t.F = b.Add('M', t.GF, t.GM);
    t.M = b.Add('F');
    t.P = b.Add('F', t.F, t.M);
    t.S = b.Add('M', t.F, t.M);
    t.C = b.Add('U', t.P, -1);
    t.data = b.Build();
    return t;
}

// Pedigree collapse: P's parents F and M are siblings, children of X and Y.
struct SiblingParents {
    int64_t X, Y, F, M, P;
    TAhnenData data;
};

inline SiblingParents MakeSiblingParents()
{
    PedigreeBuilder b;
    SiblingParents s{};
    s.X = b.Add('M');
    s.Y = b.Add('F');
    s.F = b.Add('M', s.X, s.Y);
    s.M = b.Add('F', s.X, s.Y);
    s.P = b.Add('F', s.F, s.M);
    s.data = b.Build();
    return s;
}

// Brother and sister married in every one of `generations` generations, the proband last:
// three connections per family, so long ladders overflow one buffer of the WebGL page.
inline TAhnenData Ladder(int generations)
{
    PedigreeBuilder b;
    int64_t a = b.Add('M');
    int64_t c = b.Add('F');
    for (int g = 0; g < generations; ++g) {
        int64_t nextA = b.Add('M', a, c);
        c = b.Add('F', a, c);
        a = nextA;
    }
    b.Add('M', a, c);
    return b.Build();
}

}  // namespace qv::test
