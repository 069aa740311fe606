// Depth-first walks over parents and children with explicit stacks.
#include "app/relationship_query.h"

namespace qv {
namespace {

// Up steps go to parents (and, for the relative queries, start downward walks); down steps
// go to children. Each direction has its own visited set.
struct Step {
    int64_t person;
    bool down;
};

class RelativesWalk {
public:
    RelativesWalk(const TAhnenData& data, RelationshipQuery query)
        : m_data(data),
          m_query(query),
          m_visited{std::vector<bool>(data.Persons.size()), std::vector<bool>(data.Persons.size())},
          m_reached(data.Persons.size())
    {
    }

    void Run(int64_t start)
    {
        if (m_query == RelationshipQuery::Marked) {
            Reach(start);
            return;
        }
        bool down =
            m_query == RelationshipQuery::Descendants || m_query == RelationshipQuery::XDescendants;
        m_stack.push_back({start, down});
        while (!m_stack.empty()) {
            Step step = m_stack.back();
            m_stack.pop_back();
            Visit(step);
        }
    }

    std::vector<int64_t> TakeOrder() { return std::move(m_order); }

private:
    bool IsMale(int64_t p) const { return m_data.Persons[p].Sex == 'M'; }

    void Reach(int64_t p)
    {
        if (m_reached[p]) return;
        m_reached[p] = true;
        m_order.push_back(p);
    }

    void Visit(Step step)
    {
        int64_t p = step.person;
        std::vector<bool>& visited = m_visited[step.down];
        if (visited[p]) return;
        visited[p] = true;
        int64_t father = m_data.GetFather(p), mother = m_data.GetMother(p);
        // A top ancestor has neither parent; with the visited set each ancestor is walked
        // once, which adds the same persons in the same order as walking every line.
        if (m_query != RelationshipQuery::TopAncestors || (father < 0 && mother < 0)) Reach(p);
        // Pushed in reverse, so they are walked in the order: children, father, mother.
        if (!step.down) PushParents(p, father, mother);
        if (step.down || WalksDownFromAncestors()) PushChildren(p);
    }

    bool WalksDownFromAncestors() const
    {
        return m_query == RelationshipQuery::BloodRelatives ||
               m_query == RelationshipQuery::XRelatives;
    }

    void PushParents(int64_t p, int64_t father, int64_t mother)
    {
        if (mother >= 0) m_stack.push_back({mother, false});
        bool xLines =
            m_query == RelationshipQuery::XAncestors || m_query == RelationshipQuery::XRelatives;
        if (father >= 0 && !(xLines && IsMale(p))) m_stack.push_back({father, false});
    }

    void PushChildren(int64_t p)
    {
        bool xLines =
            m_query == RelationshipQuery::XDescendants || m_query == RelationshipQuery::XRelatives;
        bool skipSons = xLines && IsMale(p);
        const TArrayOfInt64& children = m_data.Persons[p].Children;
        for (auto c = children.rbegin(); c != children.rend(); ++c)
            if (!(skipSons && IsMale(*c))) m_stack.push_back({*c, true});
    }

    const TAhnenData& m_data;
    RelationshipQuery m_query;
    std::vector<bool> m_visited[2];
    std::vector<bool> m_reached;
    std::vector<int64_t> m_order;
    std::vector<Step> m_stack;
};

}  // namespace

std::vector<int64_t> QueryRelatives(const TAhnenData& data, RelationshipQuery query,
                                    const std::vector<int64_t>& starts)
{
    RelativesWalk walk(data, query);
    for (int64_t start : starts)
        if (start >= 0 && start < static_cast<int64_t>(data.Persons.size())) walk.Run(start);
    return walk.TakeOrder();
}

}  // namespace qv
