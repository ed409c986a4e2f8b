// Leiaute da linha do profiler, nomes dos arquivos e gravação ao fim do arquivo.
#include "vrmwnd/base/QZProfilerRegistro.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

#include "vrmwnd/base/QZProfiler.h"
#include "vrmwnd/platform/fileshare.h"
#include "vrmwnd/platform/process.h"

const char* const QZ_CABECALHO_RASTRO =
    "Data\tHora\tProcesso\tUsuarioLocal\tClasseFuncao\tGuid\tEmpresa\tUsuario\tSessao\tThreadID\t"
    "Tipo\tMemoriaDisponivel\tMemoriaTotal\tMemoriaComponente\tDuracao\tDeltaMemoria\t"
    "Parameter1\tParameter2\tParameter3\tParameter4\tParameter5\tParameter6\tParameter7\t"
    "Parameter8\tParameter9\n";
const char* const QZ_CABECALHO_ERROS =
    "Data\tHora\tProcesso\tUsuarioLocal\tClasseFuncao\tGuid\tEmpresa\tUsuario\tSessao\tThreadID\t"
    "Tipo\tMemoriaDisponivel\tMemoriaTotal\tMemoriaComponente\tVersaoTarvo\tVersaoSO\tArquivo\t"
    "Linha\tLog\tParameter1\tParameter2\tParameter3\tParameter4\tParameter5\tParameter6\t"
    "Parameter7\tParameter8\tParameter9\n";

namespace {

void AnexaSeNaoVazio(CString& strLinha, const CString& strCampo) {
  if (strCampo.IsEmpty()) return;
  strLinha += strCampo;
  strLinha += '\t';
}

// Partes 6 e 7: por tipo, sem quebras de linha.
CString ParteFinal(const TQZRegistroProfiler& r, eQZTipoRegistro eTipo) {
  CString strParte;
  switch (eTipo) {
    case eQZSaiu: {
      const ULONGLONG nDuracao = r.nTickFinal < r.nTickInicial ? 0 : r.nTickFinal - r.nTickInicial;
      const ULONGLONG nDelta = r.nMemoriaFinal < r.nMemoriaInicial ? 0 : r.nMemoriaFinal - r.nMemoriaInicial;
      strParte.Format("%I64d\t%I64d\t%I64d\t", r.nMemoriaFinal, nDuracao, nDelta);
      break;
    }
    case eQZErro:
      strParte.Format("%I64d\t", r.nMemoriaInicial);
      for (int i = 0; i < 5; ++i) {
        strParte += r.aParametros[i].strValor;
        strParte += '\t';
      }
      break;
    default: strParte.Format("%I64d\t0\t0\t", r.nMemoriaInicial); break;
  }
  if (eTipo != eQZErro) {
    for (const TQZParametro& p : r.aParametros) {
      if (p.strNome.IsEmpty() || p.strValor.IsEmpty()) continue;
      strParte.AppendFormat("%s = %s\t", p.strNome, p.strValor);
    }
  }
  strParte.Remove('\r');
  strParte.Remove('\n');
  return strParte;
}

bool ErroDefinitivo(int nErro) {
  // Arquivo ou pasta inexistente, caminho inválido, arquivo inválido, erro de E/S.
  return nErro == ENOENT || nErro == ENOTDIR || nErro == ENAMETOOLONG || nErro == ELOOP || nErro == EISDIR ||
         nErro == EINVAL || nErro == EIO;
}

}  // namespace

const char* QZNomeTipoRegistro(eQZTipoRegistro eTipo) {
  switch (eTipo) {
    case eQZEntrou: return "ENTROU";
    case eQZSaiu: return "SAIU";
    case eQZCoCreate: return "COCREATE";
    case eQZErro: return "ERRO";
  }
  return "";
}

CString QZFormataLinha(const TQZRegistroProfiler& r, eQZTipoRegistro eTipo, const TQZAmbienteLinha& ambiente) {
  const SYSTEMTIME& st = r.stDataHora;
  CString strLinha;
  strLinha.Format("%02d/%02d/%04d\t%02d:%02d:%02d.%03d\t", st.wDay, st.wMonth, st.wYear, st.wHour, st.wMinute,
                  st.wSecond, st.wMilliseconds);
  AnexaSeNaoVazio(strLinha, r.strProcesso);
  AnexaSeNaoVazio(strLinha, r.strUsuarioLocal);
  AnexaSeNaoVazio(strLinha, r.strClasseFuncao);
  AnexaSeNaoVazio(strLinha, r.strGuid);
  CString strEmpresa;
  unsigned nUsuario = 0;
  LONG lSessao = 0;
  if (r.pContexto != nullptr) {
    strEmpresa = r.pContexto->GetEmpresaProfiler();
    nUsuario = r.pContexto->GetUsuarioProfiler();
    lSessao = r.pContexto->GetSessaoProfiler();
  }
  strLinha.AppendFormat("E%s\tU%03d\tS%08d\tT%08d\t%s\t%I64d\t%I64d\t", strEmpresa, nUsuario, lSessao,
                        ambiente.dwThread, QZNomeTipoRegistro(eTipo), ambiente.nMemoriaDisponivel,
                        ambiente.nMemoriaTotal);
  strLinha += ParteFinal(r, eTipo);
  strLinha += '\n';
  return strLinha;
}

TQZAmbienteLinha QZAmbienteAtual() {
  MEMORYSTATUSEX status{};
  status.dwLength = sizeof status;
  GlobalMemoryStatusEx(&status);
  return {status.ullAvailPhys, status.ullTotalPhys, GetCurrentThreadId()};
}

CString QZNomeArquivoProfiler(eQZTipoRegistro eTipo, bool bComEmpresa, int nAno, int nMes) {
  if (eTipo != eQZErro) return CString("QZProfiler.dat");
  CString strNome(bComEmpresa ? "QZProfilerErros_Base_" : "QZProfilerErros_Pgms_");
  strNome.AppendFormat("%04d%02d", nAno, nMes);
  strNome += ".dat";
  return strNome;
}

bool QZAnexaLinha(const char* szArquivo, const char* szCabecalho, const char* szTexto) {
  std::FILE* pArquivo = nullptr;
  for (int nTentativa = 0; nTentativa < QZ_TENTATIVAS_GRAVACAO && pArquivo == nullptr; ++nTentativa) {
    pArquivo = _fsopen(szArquivo, "at", _SH_DENYWR);
    if (pArquivo == nullptr && ErroDefinitivo(errno)) break;
  }
  if (pArquivo == nullptr) return false;
  struct stat info {};
  bool bOk = true;
  if (szCabecalho != nullptr && ::fstat(fileno(pArquivo), &info) == 0 && info.st_size == 0)
    bOk = std::fputs(szCabecalho, pArquivo) >= 0;
  bOk = std::fputs(szTexto, pArquivo) >= 0 && bOk;
  return std::fclose(pArquivo) == 0 && bOk;
}
