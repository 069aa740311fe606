// Dispatching the frequency diagram by file format.
#include "tables/frequency_diagram_file.h"

#include "charts/frequency/diagram_data.h"
#include "charts/frequency/diagram_picture.h"
#include "data/data_file.h"
#include "data/error.h"
#include "tables/frequency_workbook.h"

namespace qv {

bool IsFrequencyDiagramFileName(const std::string& fileName)
{
    return LowerCaseExtension(fileName) == ".xlsx" || IsDiagramPictureName(fileName);
}

bool WriteFrequencyDiagram(TCalcClass& calc, const TImageSettings& settings,
                           const std::string& fileName, const std::string& creator,
                           const ProgressCallback& progress)
{
    if (!IsFrequencyDiagramFileName(fileName))
        throw Error("Das Diagramm kann nicht als " + fileName +
                    " geschrieben werden: unbekanntes Dateiformat (.xlsx, .png, .svg, .pdf).");
    const std::optional<DiagramData> diagram = CollectDiagramData(calc, settings, progress);
    if (!diagram) return false;
    if (LowerCaseExtension(fileName) == ".xlsx")
        return WriteDiagramWorkbook(*diagram, fileName, progress);
    WriteDiagramPicture(calc.Data(), settings, *diagram, fileName, creator);
    return true;
}

}  // namespace qv
