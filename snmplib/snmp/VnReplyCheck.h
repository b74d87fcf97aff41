#pragma once
// Whether an agent's binding is what was asked for: a value whose type an
// item of a given syntax can read, and the texts that tell the user what
// the agent sent instead.
#include <string>
#include <vector>

class Vb;

// True when the binding's type can be read as `syntax`: a number for the
// number syntaxes, octets for the octet-string syntaxes, an OID, an
// address. A binding without a value (NULL, noSuchObject, noSuchInstance,
// endOfMibView) fits every syntax: it reads as no value. A number that
// does not fit its own type fits no syntax.
bool VbFitsSyntax(unsigned syntax, const Vb& vb);

// "(VnSNMP++) Unexpected reply: OID = TYPE: VALUE (SYNTAX expected)!", or
// "(... out of range for TYPE)!" for a number that does not fit its type.
std::string WrongTypeText(const Vb& vb, unsigned syntax);
// "(VnSNMP++) Unexpected reply: OID = TYPE: VALUE (OID asked)!"; with
// `nextOf`, the reply of a get-next that left the column `asked`.
std::string WrongOidText(const Vb& vb, const std::string& asked, bool nextOf);
// A reply whose octets could not be read to check its numbers.
std::string UncheckedReplyText();
// A get-next answered with an OID not after the one it was asked from.
std::string NonIncreasingOidText(const std::string& returned, const std::string& asked);
// Empty when a set's reply repeats the bindings sent: as many, each with
// the OID sent, in order, and the value sent, of the type sent (no
// exception); otherwise "(VnSNMP++) Unexpected reply: ..." naming the first
// binding that does not, or the count.
std::string SetReplyMismatch(const std::vector<Vb>& sent, const std::vector<Vb>& reply);
